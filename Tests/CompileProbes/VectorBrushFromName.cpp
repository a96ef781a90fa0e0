// FSlateVectorImageBrush is named by its file path (an FString); an FName does not convert to one.
#include "CoreMinimal.h"
#include "Brushes/SlateImageBrush.h"

FSlateBrush* VectorBrushProbe()
{
#if PROBE_FAULT
	return new FSlateVectorImageBrush(FName(TEXT("Icon_20.svg")), FVector2D(20.0, 20.0));
#else
	return new FSlateVectorImageBrush(FString(TEXT("Icon_20.svg")), FVector2D(20.0, 20.0), FLinearColor::White);
#endif
}
