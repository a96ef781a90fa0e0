#pragma once

#include "CoreMinimal.h"
#include "Engine/Texture.h"
#include "VolumeTexture.generated.h"

UCLASS()
class ENGINE_API UVolumeTexture : public UTexture
{
	GENERATED_BODY()

public:
	virtual uint32 GetMaterialType() const override;
};
