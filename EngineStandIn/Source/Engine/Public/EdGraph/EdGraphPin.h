// A pin of a graph node.
#pragma once

#include "CoreMinimal.h"

enum EEdGraphPinDirection
{
	EGPD_Input,
	EGPD_Output,
	EGPD_MAX,
};

class ENGINE_API UEdGraphPin
{
public:
	FName PinName;
	EEdGraphPinDirection Direction = EGPD_Input;
};
