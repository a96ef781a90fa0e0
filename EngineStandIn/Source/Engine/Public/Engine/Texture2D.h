#pragma once

#include "CoreMinimal.h"
#include "Engine/Texture.h"
#include "Texture2D.generated.h"

UCLASS()
class ENGINE_API UTexture2D : public UTexture
{
	GENERATED_BODY()

public:
	virtual uint32 GetMaterialType() const override;
};
