#pragma once

#include "CoreMinimal.h"
#include "Library/DMXEntity.h"
#include "DMXEntityFixtureType.generated.h"

/** One mode of a fixture type: its name and how many channels it takes. */
USTRUCT(BlueprintType)
struct DMXRUNTIME_API FDMXFixtureMode
{
	GENERATED_BODY()

	UPROPERTY(EditAnywhere, Category = "Mode Properties")
	FString ModeName;

	UPROPERTY(EditAnywhere, Category = "Mode Properties")
	int32 ChannelSpan = 1;

	UPROPERTY(EditAnywhere, Category = "Mode Properties")
	bool bAutoChannelSpan = true;
};

UCLASS()
class DMXRUNTIME_API UDMXEntityFixtureType : public UDMXEntity
{
	GENERATED_BODY()

public:
	/** Adds a mode named BaseModeName (made unique among the modes); returns its index. */
	int32 AddMode(FString BaseModeName = TEXT("Mode"));

	UPROPERTY(EditAnywhere, Category = "Fixture Settings")
	TArray<FDMXFixtureMode> Modes;
};
