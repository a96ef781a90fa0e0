// The custom expression is MinimalAPI: another module may make one through its class, but its
// constructor is not exported, so a subclass outside the engine does not link.
#include "CoreMinimal.h"
#include "Materials/MaterialExpressionCustom.h"
#include "UObject/Package.h"

#if PROBE_FAULT
class UProbeCustomExpression : public UMaterialExpressionCustom
{
public:
	explicit UProbeCustomExpression(const FObjectInitializer& ObjectInitializer)
		: UMaterialExpressionCustom(ObjectInitializer)
	{
	}
};
#endif

UMaterialExpressionCustom* MakeCustomExpressionProbe(const FObjectInitializer& ObjectInitializer)
{
#if PROBE_FAULT
	return new UProbeCustomExpression(ObjectInitializer);
#else
	return NewObject<UMaterialExpressionCustom>(GetTransientPackage());
#endif
}
