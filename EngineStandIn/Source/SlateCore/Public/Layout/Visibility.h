// EVisibility: whether a widget is drawn, takes space and is hit by the pointer.
#pragma once

#include "CoreMinimal.h"

struct SLATECORE_API EVisibility
{
	static const EVisibility Visible;
	static const EVisibility Collapsed;
	static const EVisibility Hidden;
	static const EVisibility HitTestInvisible;
	static const EVisibility SelfHitTestInvisible;
	static const EVisibility All;

	EVisibility()
		: Value(VIS_Visible)
	{
	}

	bool operator==(const EVisibility& Other) const { return Value == Other.Value; }
	bool operator!=(const EVisibility& Other) const { return Value != Other.Value; }

	bool IsVisible() const { return (Value & VISPRIVATE_Visible) != 0; }
	bool IsHitTestVisible() const { return (Value & VISPRIVATE_SelfHitTestVisible) != 0; }
	bool AreChildrenHitTestVisible() const { return (Value & VISPRIVATE_ChildrenHitTestVisible) != 0; }

	FString ToString() const;

private:
	enum Private
	{
		VISPRIVATE_Visible = 0x1 << 0,
		VISPRIVATE_Collapsed = 0x1 << 1,
		VISPRIVATE_Hidden = 0x1 << 2,
		VISPRIVATE_SelfHitTestVisible = 0x1 << 3,
		VISPRIVATE_ChildrenHitTestVisible = 0x1 << 4,

		VIS_Visible = VISPRIVATE_Visible | VISPRIVATE_SelfHitTestVisible | VISPRIVATE_ChildrenHitTestVisible,
		VIS_Collapsed = VISPRIVATE_Collapsed,
		VIS_Hidden = VISPRIVATE_Hidden,
		VIS_HitTestInvisible = VISPRIVATE_Visible,
		VIS_SelfHitTestInvisible = VISPRIVATE_Visible | VISPRIVATE_ChildrenHitTestVisible,
		VIS_All = VISPRIVATE_Visible | VISPRIVATE_Hidden | VISPRIVATE_Collapsed | VISPRIVATE_SelfHitTestVisible | VISPRIVATE_ChildrenHitTestVisible,
	};

	explicit EVisibility(int32 InValue)
		: Value(InValue)
	{
	}

	int32 Value;
};
