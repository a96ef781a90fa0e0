#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "Templates/SubclassOf.h"
#include "ThumbnailRendering/ThumbnailRenderer.h"
#include "ThumbnailManager.generated.h"

/** Which renderer draws the thumbnails of one asset class. */
struct FThumbnailRenderingInfo
{
	FString ClassNeedingThumbnailName;
	UClass* ClassNeedingThumbnail = nullptr;
	FString RendererClassName;
	UThumbnailRenderer* Renderer = nullptr;
};

/** The editor's registry of thumbnail renderers by asset class. */
UCLASS()
class UNREALED_API UThumbnailManager : public UObject
{
	GENERATED_BODY()

public:
	static UThumbnailManager& Get();

	/** Makes a renderer of RendererClass draw the thumbnails of Class (and of its subclasses without one of their own). */
	virtual void RegisterCustomRenderer(UClass* Class, TSubclassOf<UThumbnailRenderer> RendererClass);
	virtual void UnregisterCustomRenderer(UClass* Class);

	/** The renderer for the object's class or its nearest registered super class, null when none can draw it. */
	FThumbnailRenderingInfo* GetRenderingInfo(UObject* Object);

	/** Every custom registration, in registration order. */
	const TArray<FThumbnailRenderingInfo>& GetRenderableThumbnailTypes() const
	{
		return RenderInfos;
	}

private:
	TArray<FThumbnailRenderingInfo> RenderInfos;
};
