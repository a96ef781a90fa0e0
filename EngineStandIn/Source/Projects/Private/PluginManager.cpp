#include "Interfaces/IPluginManager.h"

#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "StandIn/ProjectsHooks.h"

IMPLEMENT_MODULE(FDefaultModuleImpl, Projects);

namespace
{
	class FPlugin : public IPlugin
	{
	public:
		FPlugin(const FString& InName, const FString& InBaseDir)
			: Name(InName)
			, BaseDir(InBaseDir)
		{
			// Trailing separators are not part of the engine's plug-in paths.
			while (BaseDir.Len() > 1 && (BaseDir.EndsWith(TEXT("/")) || BaseDir.EndsWith(TEXT("\\"))))
			{
				BaseDir.LeftChopInline(1);
			}
			Descriptor.FriendlyName = InName;
			ReadDescriptor();
		}

		virtual const FString& GetName() const override
		{
			return Name;
		}
		virtual const FString& GetFriendlyName() const override
		{
			return Descriptor.FriendlyName;
		}
		virtual FString GetBaseDir() const override
		{
			return BaseDir;
		}
		virtual FString GetContentDir() const override
		{
			return BaseDir / TEXT("Content");
		}
		virtual FString GetMountedAssetPath() const override
		{
			return FString(TEXT("/")) + Name + TEXT("/");
		}
		virtual bool IsEnabled() const override
		{
			return true;
		}
		virtual bool CanContainContent() const override
		{
			return Descriptor.bCanContainContent;
		}
		virtual const FPluginDescriptor& GetDescriptor() const override
		{
			return Descriptor;
		}

	private:
		// Only the few string fields are picked out; the rest of the file does not matter here.
		void ReadDescriptor()
		{
			FString Text;
			if (!FFileHelper::LoadFileToString(Text, *(BaseDir / Name + TEXT(".uplugin"))))
			{
				return;
			}
			ReadStringField(Text, TEXT("FriendlyName"), Descriptor.FriendlyName);
			ReadStringField(Text, TEXT("VersionName"), Descriptor.VersionName);
			ReadStringField(Text, TEXT("Description"), Descriptor.Description);
			ReadStringField(Text, TEXT("Category"), Descriptor.Category);
			ReadStringField(Text, TEXT("CreatedBy"), Descriptor.CreatedBy);
			Descriptor.bCanContainContent = Text.Contains(TEXT("\"CanContainContent\": true")) || Text.Contains(TEXT("\"CanContainContent\":true"));
		}

		static void ReadStringField(const FString& Text, const TCHAR* Field, FString& OutValue)
		{
			const FString Key = FString(TEXT("\"")) + Field + TEXT("\"");
			const int32 KeyIndex = Text.Find(Key);
			if (KeyIndex == INDEX_NONE)
			{
				return;
			}
			const int32 Open = Text.Find(TEXT("\""), ESearchCase::CaseSensitive, ESearchDir::FromStart, KeyIndex + Key.Len());
			if (Open == INDEX_NONE)
			{
				return;
			}
			const int32 Close = Text.Find(TEXT("\""), ESearchCase::CaseSensitive, ESearchDir::FromStart, Open + 1);
			if (Close != INDEX_NONE)
			{
				OutValue = Text.Mid(Open + 1, Close - Open - 1);
			}
		}

		FString Name;
		FString BaseDir;
		FPluginDescriptor Descriptor;
	};

	class FPluginManager : public IPluginManager
	{
	public:
		virtual TSharedPtr<IPlugin> FindPlugin(const FStringView Name) override
		{
			for (const TSharedRef<IPlugin>& Plugin : Plugins)
			{
				if (FStringView(Plugin->GetName()).Equals(Name, ESearchCase::IgnoreCase))
				{
					return Plugin;
				}
			}
			return TSharedPtr<IPlugin>();
		}

		virtual TArray<TSharedRef<IPlugin>> GetEnabledPlugins() override
		{
			return Plugins;
		}

		TArray<TSharedRef<IPlugin>> Plugins;
	};

	FPluginManager& GetManager()
	{
		static FPluginManager* Manager = new FPluginManager();
		return *Manager;
	}
}

IPluginManager& IPluginManager::Get()
{
	return GetManager();
}

void UE::StandIn::AddPlugin(const FString& Name, const FString& BaseDir)
{
	RemovePlugin(Name);
	GetManager().Plugins.Add(MakeShared<FPlugin>(Name, BaseDir));
}

void UE::StandIn::RemovePlugin(const FString& Name)
{
	GetManager().Plugins.RemoveAll([&Name](const TSharedRef<IPlugin>& Plugin)
	{
		return Plugin->GetName() == Name;
	});
}

void UE::StandIn::ResetPluginManager()
{
	GetManager().Plugins.Reset();
}
