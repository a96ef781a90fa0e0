// SNullWidget::NullWidget: the shared "nothing here" widget.
#pragma once

#include "CoreMinimal.h"

class SWidget;

class SLATECORE_API SNullWidget
{
public:
	static TSharedRef<SWidget> NullWidget;
};
