// A material's wiring is editor-only data: a packaged game has no FExpressionInput::Expression.
#include "CoreMinimal.h"
#include "MaterialExpressionIO.h"

bool ExpressionInputProbe(const FExpressionInput& Input)
{
#if PROBE_FAULT
	return Input.Expression != nullptr;
#else
	return Input.OutputIndex != 0;
#endif
}
