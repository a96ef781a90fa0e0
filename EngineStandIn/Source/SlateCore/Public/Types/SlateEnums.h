// Enumerations shared by the widgets.
#pragma once

#include "CoreMinimal.h"

enum EHorizontalAlignment : int
{
	HAlign_Fill = 0,
	HAlign_Left = 1,
	HAlign_Center = 2,
	HAlign_Right = 3,
};

enum EVerticalAlignment : int
{
	VAlign_Fill = 0,
	VAlign_Top = 1,
	VAlign_Center = 2,
	VAlign_Bottom = 3,
};

enum EOrientation : int
{
	Orient_Horizontal,
	Orient_Vertical,
};

namespace ESelectInfo
{
	enum Type : int
	{
		OnKeyPress,
		OnNavigation,
		OnMouseClick,
		Direct,
	};
}

namespace ETextCommit
{
	enum Type : int
	{
		Default,
		OnEnter,
		OnUserMovedFocus,
		OnCleared,
	};
}

namespace ESelectionMode
{
	enum Type : int
	{
		None,
		Single,
		SingleToggle,
		Multi,
	};
}

enum class EFocusCause : uint8
{
	Mouse,
	Navigation,
	SetDirectly,
	Cleared,
	OtherWidgetLostFocus,
	WindowActivate,
};

enum EMenuPlacement : int
{
	MenuPlacement_BelowAnchor,
	MenuPlacement_CenteredBelowAnchor,
	MenuPlacement_BelowRightAnchor,
	MenuPlacement_ComboBox,
	MenuPlacement_ComboBoxRight,
	MenuPlacement_MenuRight,
	MenuPlacement_AboveAnchor,
	MenuPlacement_CenteredAboveAnchor,
	MenuPlacement_AboveRightAnchor,
	MenuPlacement_MenuLeft,
	MenuPlacement_Center,
	MenuPlacement_RightLeftCenter,
	MenuPlacement_MatchBottomLeft,
};

enum class EScrollDirection : uint8
{
	Scroll_Down,
	Scroll_Up,
};

namespace ESlateCheckBoxType
{
	enum Type : int
	{
		CheckBox,
		ToggleButton,
	};
}

enum class ETextOverflowPolicy : uint8
{
	Clip = 0,
	Ellipsis,
	MultilineEllipsis,
};

enum class EStretch : uint8
{
	None,
	Fill,
	ScaleToFit,
	ScaleToFitX,
	ScaleToFitY,
	ScaleToFill,
	ScaleBySafeZone,
	UserSpecified,
	UserSpecifiedWithClipping,
};

namespace EButtonClickMethod
{
	enum Type : int
	{
		DownAndUp,
		MouseDown,
		MouseUp,
		PreciseClick,
	};
}

namespace EButtonTouchMethod
{
	enum Type : int
	{
		DownAndUp,
		Down,
		PreciseTap,
	};
}

namespace EButtonPressMethod
{
	enum Type : int
	{
		DownAndUp,
		ButtonPress,
		ButtonRelease,
	};
}

enum class EPopupMethod : uint8
{
	CreateNewWindow,
	UseCurrentWindow,
};

enum class EVirtualKeyboardType : uint8
{
	Default,
	Number,
	Web,
	Email,
	Password,
	AlphaNumeric,
};
