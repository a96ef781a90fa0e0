// FSlateApplicationBase: what SlateCore knows of the running Slate application.
#pragma once

#include "CoreMinimal.h"

class FSlateRenderer;

class SLATECORE_API FSlateApplicationBase
{
public:
	FSlateApplicationBase();
	virtual ~FSlateApplicationBase();

	static bool IsInitialized() { return CurrentBaseApplication.IsValid(); }
	static FSlateApplicationBase& Get()
	{
		check(CurrentBaseApplication.IsValid());
		return *CurrentBaseApplication;
	}

	FSlateRenderer* GetRenderer() const { return Renderer.Get(); }

	virtual double GetCurrentTime() const { return 0.0; }

protected:
	static TSharedPtr<FSlateApplicationBase> CurrentBaseApplication;
	TSharedPtr<FSlateRenderer> Renderer;
};
