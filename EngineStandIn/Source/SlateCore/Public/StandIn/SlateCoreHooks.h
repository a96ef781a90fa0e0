// Input state the stand-in keeps for SWidget::HasMouseCapture / HasKeyboardFocus. The Slate application
// and the testing module set it as they route events.
#pragma once

#include "CoreMinimal.h"

class SWidget;

namespace UE::StandIn
{
	SLATECORE_API void SetMouseCaptor(const TSharedPtr<SWidget>& InWidget);
	SLATECORE_API TSharedPtr<SWidget> GetMouseCaptor();
	SLATECORE_API void SetKeyboardFocusedWidget(const TSharedPtr<SWidget>& InWidget);
	SLATECORE_API TSharedPtr<SWidget> GetKeyboardFocusedWidget();
}
