// FSlateWindowElementList: the draw elements a paint pass produced for one window.
#pragma once

#include "CoreMinimal.h"
#include "Rendering/DrawElementTypes.h"

class SWindow;
class SWidget;

class SLATECORE_API FSlateWindowElementList
{
public:
	explicit FSlateWindowElementList(const TSharedPtr<SWindow>& InPaintWindow = TSharedPtr<SWindow>())
		: PaintWindow(InPaintWindow)
	{
	}

	SWindow* GetPaintWindow() const { return PaintWindow.Get(); }

	/** Adds an element and returns it for filling in. */
	FSlateDrawElement& AddUninitialized()
	{
		return Elements.AddDefaulted_GetRef();
	}

	/** Everything recorded so far, in paint order. */
	const TArray<FSlateDrawElement>& GetRecordedElements() const { return Elements; }
	void ResetElementList() { Elements.Empty(); }

private:
	TSharedPtr<SWindow> PaintWindow;
	TArray<FSlateDrawElement> Elements;
};
