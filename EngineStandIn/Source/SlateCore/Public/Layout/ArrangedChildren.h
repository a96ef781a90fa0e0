// FArrangedChildren: the children a panel laid out, filtered by visibility.
#pragma once

#include "CoreMinimal.h"
#include "Layout/ArrangedWidget.h"
#include "Layout/Visibility.h"

class FArrangedChildren
{
public:
	explicit FArrangedChildren(EVisibility InVisibilityFilter = EVisibility::Visible)
		: VisibilityFilter(InVisibilityFilter)
	{
	}

	/** Whether a child with this visibility belongs in the list. */
	bool Accepts(EVisibility InVisibility) const
	{
		if (VisibilityFilter == EVisibility::All)
		{
			return true;
		}
		return InVisibility.IsVisible() || InVisibility == EVisibility::Hidden ? (InVisibility.IsVisible() || VisibilityFilter == EVisibility::Hidden) : false;
	}

	void AddWidget(EVisibility InVisibility, const FArrangedWidget& InWidgetGeometry)
	{
		if (Accepts(InVisibility))
		{
			Array.Add(InWidgetGeometry);
		}
	}

	void AddWidget(const FArrangedWidget& InWidgetGeometry) { Array.Add(InWidgetGeometry); }

	int32 Num() const { return Array.Num(); }
	FArrangedWidget& operator[](int32 Index) { return Array[Index]; }
	const FArrangedWidget& operator[](int32 Index) const { return Array[Index]; }
	EVisibility GetFilter() const { return VisibilityFilter; }
	const TArray<FArrangedWidget>& GetInternalArray() const { return Array; }

private:
	EVisibility VisibilityFilter;
	TArray<FArrangedWidget> Array;
};
