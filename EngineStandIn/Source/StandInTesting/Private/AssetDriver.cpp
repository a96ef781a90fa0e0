#include "StandInTesting/AssetDriver.h"

#include "AssetDefinition.h"
#include "AssetRegistry/AssetData.h"
#include "Editor.h"
#include "Factories/Factory.h"
#include "Framework/Docking/TabManager.h"
#include "Subsystems/AssetEditorSubsystem.h"
#include "Toolkits/AssetEditorToolkit.h"
#include "UObject/Package.h"
#include "UObject/UObjectIterator.h"
#include "Widgets/Docking/SDockTab.h"

namespace StandIn
{
	namespace
	{
		template <typename BaseType>
		TArray<UClass*> GetConcreteSubclasses()
		{
			TArray<UClass*> Classes;
			for (TObjectIterator<UClass> It; It; ++It)
			{
				UClass* Class = *It;
				if (Class->IsChildOf(BaseType::StaticClass()) && !Class->HasAnyClassFlags(CLASS_Abstract))
				{
					Classes.Add(Class);
				}
			}
			return Classes;
		}
	}

	TArray<UClass*> GetAssetDefinitionClasses()
	{
		return GetConcreteSubclasses<UAssetDefinition>();
	}

	const UAssetDefinition* FindAssetDefinitionFor(const UClass* Class)
	{
		for (UClass* DefinitionClass : GetAssetDefinitionClasses())
		{
			const UAssetDefinition* Definition = Cast<UAssetDefinition>(DefinitionClass->GetDefaultObject());
			if (Definition && Definition->GetAssetClass().Get() == Class)
			{
				return Definition;
			}
		}
		return nullptr;
	}

	TArray<UFactory*> FindFactoriesFor(const UClass* Class)
	{
		TArray<UFactory*> Factories;
		for (UClass* FactoryClass : GetConcreteSubclasses<UFactory>())
		{
			UFactory* Factory = Cast<UFactory>(FactoryClass->GetDefaultObject());
			if (Factory && Factory->CanCreateNew() && Factory->GetSupportedClass() == Class)
			{
				Factories.Add(Factory);
			}
		}
		return Factories;
	}

	UObject* CreateAssetWithFactory(UFactory* Factory, const FString& Name)
	{
		if (!Factory)
		{
			return nullptr;
		}
		// The content browser makes a factory of that class for the one creation, then the package.
		UFactory* Instance = NewObject<UFactory>(GetTransientPackage(), Factory->GetClass());
		UPackage* Package = CreatePackage(*(FString(TEXT("/Game/")) + Name));
		return Instance->FactoryCreateNew(Instance->GetSupportedClass(), Package, FName(*Name), (EObjectFlags)(RF_Public | RF_Standalone | RF_Transactional),
			nullptr, nullptr);
	}

	bool OpenAssets(const UAssetDefinition& Definition, const TArray<UObject*>& Assets, const TSharedPtr<IToolkitHost>& ToolkitHost)
	{
		TArray<FAssetData> AssetData;
		for (UObject* Asset : Assets)
		{
			AssetData.Add(FAssetData(Asset));
		}
		FAssetOpenArgs Args;
		Args.ToolkitHost = ToolkitHost;
		Args.Assets = AssetData;
		return Definition.OpenAssets(Args) == EAssetCommandResult::Handled;
	}

	TArray<TSharedRef<FAssetEditorToolkit>> GetOpenAssetEditors()
	{
		return UE::StandIn::GetOpenAssetEditorToolkits();
	}

	TArray<FAssetEditorToolkit*> FindAssetEditorsFor(UObject* Asset)
	{
		TArray<FAssetEditorToolkit*> Editors;
		UAssetEditorSubsystem* Subsystem = GEditor ? GEditor->GetEditorSubsystem<UAssetEditorSubsystem>() : nullptr;
		if (!Subsystem)
		{
			return Editors;
		}
		for (IAssetEditorInstance* Instance : Subsystem->FindEditorsForAsset(Asset))
		{
			// Every asset editor here is an FAssetEditorToolkit.
			for (const TSharedRef<FAssetEditorToolkit>& Toolkit : GetOpenAssetEditors())
			{
				if (static_cast<IAssetEditorInstance*>(&Toolkit.Get()) == Instance)
				{
					Editors.Add(&Toolkit.Get());
				}
			}
		}
		return Editors;
	}

	void CloseAllAssetEditors()
	{
		UE::StandIn::CloseAllAssetEditorToolkits();
	}

	TSharedPtr<SDockTab> FindOpenTab(const FAssetEditorToolkit& Editor, FName TabId)
	{
		TSharedPtr<FTabManager> TabManager = Editor.GetTabManager();
		return TabManager.IsValid() ? TabManager->FindExistingLiveTab(FTabId(TabId)) : TSharedPtr<SDockTab>();
	}

	namespace
	{
		FString Coefficient(float Value)
		{
			return FString::Printf(TEXT("%g"), Value);
		}

		void DescribeNode(const TSharedRef<FTabManager::FLayoutNode>& Node, int32 Depth, const FAssetEditorToolkit& Editor, TArray<FString>& Out)
		{
			const FString Indent = FString::ChrN(Depth * 2, TEXT(' '));
			if (TSharedPtr<FTabManager::FStack> Stack = Node->AsStack())
			{
				TArray<FString> Tabs;
				for (const FTabManager::FTab& Tab : Stack->GetTabs())
				{
					const bool bOpen = FindOpenTab(Editor, Tab.TabId.TabType).IsValid();
					Tabs.Add(FString::Printf(TEXT("%s (%s)"), *Tab.TabId.TabType.ToString(),
						Tab.TabState == ETabState::OpenedTab ? (bOpen ? TEXT("opened") : TEXT("opened, no spawner here")) : TEXT("closed")));
				}
				Out.Add(FString::Printf(TEXT("%sstack %s: %s"), *Indent, *Coefficient(Stack->GetSizeCoefficient()), *FString::Join(Tabs, TEXT(", "))));
				return;
			}
			TSharedPtr<FTabManager::FSplitter> Splitter = Node->AsSplitter();
			if (!Splitter.IsValid())
			{
				return;
			}
			const TCHAR* Orientation = Splitter->GetOrientation() == Orient_Vertical ? TEXT("vertical") : TEXT("horizontal");
			if (Node->AsArea().IsValid())
			{
				Out.Add(FString::Printf(TEXT("%sarea %s"), *Indent, Orientation));
			}
			else
			{
				Out.Add(FString::Printf(TEXT("%ssplitter %s %s"), *Indent, Orientation, *Coefficient(Splitter->GetSizeCoefficient())));
			}
			for (const TSharedRef<FTabManager::FLayoutNode>& Child : Splitter->GetChildNodes())
			{
				DescribeNode(Child, Depth + 1, Editor, Out);
			}
		}
	}

	TArray<FString> DescribeLayout(const FAssetEditorToolkit& Editor)
	{
		TArray<FString> Lines;
		TSharedPtr<FTabManager::FLayout> Layout = Editor.GetStandaloneDefaultLayout();
		if (!Layout.IsValid())
		{
			return Lines;
		}
		Lines.Add(FString::Printf(TEXT("layout %s"), *Layout->GetLayoutName().ToString()));
		for (const TSharedRef<FTabManager::FArea>& Area : Layout->GetAreas())
		{
			DescribeNode(Area, 1, Editor, Lines);
		}
		return Lines;
	}
}
