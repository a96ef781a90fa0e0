#include "ThumbnailRendering/ThumbnailManager.h"

#include "UObject/Package.h"
#include "UObject/WeakObjectPtrTemplates.h"

UThumbnailManager& UThumbnailManager::Get()
{
	// One per editor: made on first use, gone with the object system it lives in.
	static TWeakObjectPtr<UThumbnailManager> Instance;
	if (!Instance.IsValid())
	{
		Instance = NewObject<UThumbnailManager>(GetTransientPackage(), FName(TEXT("ThumbnailManager")), RF_Standalone);
	}
	return *Instance.Get();
}

void UThumbnailManager::RegisterCustomRenderer(UClass* Class, TSubclassOf<UThumbnailRenderer> RendererClass)
{
	check(Class);
	check(*RendererClass);
	UThumbnailRenderer* Renderer = NewObject<UThumbnailRenderer>(this, *RendererClass);
	for (FThumbnailRenderingInfo& Info : RenderInfos)
	{
		if (Info.ClassNeedingThumbnail == Class)
		{
			Info.RendererClassName = (*RendererClass)->GetPathName();
			Info.Renderer = Renderer;
			return;
		}
	}
	FThumbnailRenderingInfo& Info = RenderInfos.AddDefaulted_GetRef();
	Info.ClassNeedingThumbnailName = Class->GetPathName();
	Info.ClassNeedingThumbnail = Class;
	Info.RendererClassName = (*RendererClass)->GetPathName();
	Info.Renderer = Renderer;
}

void UThumbnailManager::UnregisterCustomRenderer(UClass* Class)
{
	RenderInfos.RemoveAll([Class](const FThumbnailRenderingInfo& Info) { return Info.ClassNeedingThumbnail == Class; });
}

FThumbnailRenderingInfo* UThumbnailManager::GetRenderingInfo(UObject* Object)
{
	if (Object == nullptr)
	{
		return nullptr;
	}
	for (const UClass* Class = Object->GetClass(); Class != nullptr; Class = Class->GetSuperClass())
	{
		for (FThumbnailRenderingInfo& Info : RenderInfos)
		{
			if (Info.ClassNeedingThumbnail == Class)
			{
				// A renderer that cannot draw this object leaves it to the default thumbnail.
				if (Info.Renderer != nullptr && Info.Renderer->CanVisualizeAsset(Object))
				{
					return &Info;
				}
				return nullptr;
			}
		}
	}
	return nullptr;
}
