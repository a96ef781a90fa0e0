#include "EdGraph/EdGraphNode.h"

UEdGraphNode::~UEdGraphNode()
{
	DestroyPins();
}

void UEdGraphNode::ReconstructNode()
{
	DestroyPins();
	AllocateDefaultPins();
}

void UEdGraphNode::AllocateDefaultPins()
{
}

UEdGraphPin* UEdGraphNode::CreatePin(EEdGraphPinDirection Dir, FName PinName)
{
	UEdGraphPin* Pin = new UEdGraphPin();
	Pin->Direction = Dir;
	Pin->PinName = PinName;
	Pins.Add(Pin);
	return Pin;
}

void UEdGraphNode::DestroyPins()
{
	for (UEdGraphPin* Pin : Pins)
	{
		delete Pin;
	}
	Pins.Reset();
}
