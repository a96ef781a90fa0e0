// The material editor's graph node of one expression: an input pin per input, one output pin.
#pragma once

#include "CoreMinimal.h"
#include "EdGraph/EdGraphNode.h"
#include "MaterialGraphNode.generated.h"

class UMaterialExpression;

UCLASS()
class UNREALED_API UMaterialGraphNode : public UEdGraphNode
{
	GENERATED_BODY()

public:
	UPROPERTY()
	TObjectPtr<UMaterialExpression> MaterialExpression;

	virtual void AllocateDefaultPins() override;
};
