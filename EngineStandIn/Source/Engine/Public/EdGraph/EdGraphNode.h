// A node of an editor graph: its pins, rebuilt from what the node stands for.
#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "EdGraph/EdGraphPin.h"
#include "EdGraphNode.generated.h"

UCLASS()
class ENGINE_API UEdGraphNode : public UObject
{
	GENERATED_BODY()

public:
	virtual ~UEdGraphNode() override;

	/** Throws the pins away and makes them anew. */
	virtual void ReconstructNode();

	/** Makes the pins the node starts with. */
	virtual void AllocateDefaultPins();

	UEdGraphPin* CreatePin(EEdGraphPinDirection Dir, FName PinName);

	TArray<UEdGraphPin*> Pins;

protected:
	void DestroyPins();
};
