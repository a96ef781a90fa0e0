#include "MaterialGraph/MaterialGraphNode.h"
#include "Materials/MaterialExpression.h"

void UMaterialGraphNode::AllocateDefaultPins()
{
	if (!MaterialExpression)
	{
		return;
	}
	const TArrayView<FExpressionInput*> Inputs = MaterialExpression->GetInputsView();
	for (int32 Index = 0; Index < Inputs.Num(); ++Index)
	{
		CreatePin(EGPD_Input, MaterialExpression->GetInputName(Index));
	}
	CreatePin(EGPD_Output, NAME_None);
}
