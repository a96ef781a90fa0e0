#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "Texture.generated.h"

/** The base of every texture asset. */
UCLASS(abstract)
class ENGINE_API UTexture : public UObject
{
	GENERATED_BODY()

public:
	/** The material value type of this texture (MCT_Texture2D, MCT_VolumeTexture, ...). */
	virtual uint32 GetMaterialType() const;
};
