// Extensions that other modules hook into menus and toolbars by extension-hook name.
#pragma once

#include "CoreMinimal.h"

class FMenuBuilder;
class FToolBarBuilder;
class FMenuBarBuilder;
class FUICommandList;
class FExtender;

namespace EExtensionHook
{
	enum Position
	{
		Before,
		After,
		First,
	};
}

DECLARE_DELEGATE_OneParam(FMenuExtensionDelegate, FMenuBuilder&);
DECLARE_DELEGATE_OneParam(FMenuBarExtensionDelegate, FMenuBarBuilder&);
DECLARE_DELEGATE_OneParam(FToolBarExtensionDelegate, FToolBarBuilder&);

namespace UE::StandIn
{
	/** How many extensions the extender holds. */
	SLATE_API int32 GetNumExtensions(const FExtender& Extender);
}

class SLATE_API FExtensionBase
{
public:
	virtual ~FExtensionBase()
	{
	}

	FName Hook;
	EExtensionHook::Position HookPosition = EExtensionHook::After;
	TSharedPtr<FUICommandList> CommandList;

	/** What the extension adds to a menu or a toolbar (nothing, for the other kind). */
	virtual void ApplyToMenu(FMenuBuilder& MenuBuilder) const
	{
	}
	virtual void ApplyToToolBar(FToolBarBuilder& ToolBarBuilder) const
	{
	}
};

class SLATE_API FExtender
{
public:
	TSharedRef<const FExtensionBase> AddMenuBarExtension(FName ExtensionHook, EExtensionHook::Position HookPosition, const TSharedPtr<FUICommandList>& CommandList, const FMenuBarExtensionDelegate& MenuBarExtensionDelegate);
	TSharedRef<const FExtensionBase> AddMenuExtension(FName ExtensionHook, EExtensionHook::Position HookPosition, const TSharedPtr<FUICommandList>& CommandList, const FMenuExtensionDelegate& MenuExtensionDelegate);
	TSharedRef<const FExtensionBase> AddToolBarExtension(FName ExtensionHook, EExtensionHook::Position HookPosition, const TSharedPtr<FUICommandList>& CommandList, const FToolBarExtensionDelegate& ToolBarExtensionDelegate);

	void RemoveExtension(const TSharedRef<const FExtensionBase>& Extension);

	/** Runs the menu extensions hooked at this place. */
	void Apply(FName ExtensionHook, EExtensionHook::Position HookPosition, FMenuBuilder& MenuBuilder) const;
	void Apply(FName ExtensionHook, EExtensionHook::Position HookPosition, FToolBarBuilder& ToolBarBuilder) const;

	/** One extender holding the extensions of all the given ones (null entries are skipped). */
	static TSharedPtr<FExtender> Combine(const TArray<TSharedPtr<FExtender>>& Extenders);

private:
	friend SLATE_API int32 UE::StandIn::GetNumExtensions(const FExtender& Extender);

	TArray<TSharedPtr<const FExtensionBase>> Extensions;
};
