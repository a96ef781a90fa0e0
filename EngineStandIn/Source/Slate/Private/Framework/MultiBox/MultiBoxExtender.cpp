#include "Framework/MultiBox/MultiBoxExtender.h"

#include "Framework/MultiBox/MultiBoxBuilder.h"

#include <type_traits>

namespace
{
	class FMenuExtension : public FExtensionBase
	{
	public:
		FMenuExtensionDelegate MenuExtensionDelegate;

		virtual void ApplyToMenu(FMenuBuilder& MenuBuilder) const override
		{
			MenuExtensionDelegate.ExecuteIfBound(MenuBuilder);
		}
	};

	class FMenuBarExtension : public FExtensionBase
	{
	public:
		FMenuBarExtensionDelegate MenuBarExtensionDelegate;
	};

	class FToolBarExtension : public FExtensionBase
	{
	public:
		FToolBarExtensionDelegate ToolBarExtensionDelegate;

		virtual void ApplyToToolBar(FToolBarBuilder& ToolBarBuilder) const override
		{
			ToolBarExtensionDelegate.ExecuteIfBound(ToolBarBuilder);
		}
	};

	template <typename ExtensionType>
	TSharedRef<ExtensionType> MakeExtension(FName ExtensionHook, EExtensionHook::Position HookPosition, const TSharedPtr<FUICommandList>& CommandList)
	{
		TSharedRef<ExtensionType> Extension = MakeShared<ExtensionType>();
		Extension->Hook = ExtensionHook;
		Extension->HookPosition = HookPosition;
		Extension->CommandList = CommandList;
		return Extension;
	}

	template <typename BuilderType>
	void ApplyExtension(const FExtensionBase& Extension, BuilderType& Builder)
	{
		if (Extension.CommandList.IsValid())
		{
			Builder.PushCommandList(Extension.CommandList.ToSharedRef());
		}
		if constexpr (std::is_same_v<BuilderType, FMenuBuilder>)
		{
			Extension.ApplyToMenu(Builder);
		}
		else
		{
			Extension.ApplyToToolBar(Builder);
		}
		if (Extension.CommandList.IsValid())
		{
			Builder.PopCommandList();
		}
	}
}

TSharedRef<const FExtensionBase> FExtender::AddMenuBarExtension(FName ExtensionHook, EExtensionHook::Position HookPosition, const TSharedPtr<FUICommandList>& CommandList, const FMenuBarExtensionDelegate& MenuBarExtensionDelegate)
{
	TSharedRef<FMenuBarExtension> Extension = MakeExtension<FMenuBarExtension>(ExtensionHook, HookPosition, CommandList);
	Extension->MenuBarExtensionDelegate = MenuBarExtensionDelegate;
	Extensions.Add(Extension);
	return Extension;
}

TSharedRef<const FExtensionBase> FExtender::AddMenuExtension(FName ExtensionHook, EExtensionHook::Position HookPosition, const TSharedPtr<FUICommandList>& CommandList, const FMenuExtensionDelegate& MenuExtensionDelegate)
{
	TSharedRef<FMenuExtension> Extension = MakeExtension<FMenuExtension>(ExtensionHook, HookPosition, CommandList);
	Extension->MenuExtensionDelegate = MenuExtensionDelegate;
	Extensions.Add(Extension);
	return Extension;
}

TSharedRef<const FExtensionBase> FExtender::AddToolBarExtension(FName ExtensionHook, EExtensionHook::Position HookPosition, const TSharedPtr<FUICommandList>& CommandList, const FToolBarExtensionDelegate& ToolBarExtensionDelegate)
{
	TSharedRef<FToolBarExtension> Extension = MakeExtension<FToolBarExtension>(ExtensionHook, HookPosition, CommandList);
	Extension->ToolBarExtensionDelegate = ToolBarExtensionDelegate;
	Extensions.Add(Extension);
	return Extension;
}

void FExtender::RemoveExtension(const TSharedRef<const FExtensionBase>& Extension)
{
	const FExtensionBase* Target = &Extension.Get();
	Extensions.RemoveAll([Target](const TSharedPtr<const FExtensionBase>& Existing)
	{
		return Existing.Get() == Target;
	});
}

void FExtender::Apply(FName ExtensionHook, EExtensionHook::Position HookPosition, FMenuBuilder& MenuBuilder) const
{
	for (const TSharedPtr<const FExtensionBase>& Extension : Extensions)
	{
		if (Extension->Hook == ExtensionHook && Extension->HookPosition == HookPosition)
		{
			ApplyExtension(*Extension, MenuBuilder);
		}
	}
}

void FExtender::Apply(FName ExtensionHook, EExtensionHook::Position HookPosition, FToolBarBuilder& ToolBarBuilder) const
{
	for (const TSharedPtr<const FExtensionBase>& Extension : Extensions)
	{
		if (Extension->Hook == ExtensionHook && Extension->HookPosition == HookPosition)
		{
			ApplyExtension(*Extension, ToolBarBuilder);
		}
	}
}

TSharedPtr<FExtender> FExtender::Combine(const TArray<TSharedPtr<FExtender>>& Extenders)
{
	TSharedPtr<FExtender> OutExtender = MakeShared<FExtender>();
	for (const TSharedPtr<FExtender>& Extender : Extenders)
	{
		if (Extender.IsValid())
		{
			OutExtender->Extensions.Append(Extender->Extensions);
		}
	}
	return OutExtender;
}

int32 UE::StandIn::GetNumExtensions(const FExtender& Extender)
{
	return Extender.Extensions.Num();
}
