// The render thread's view of a material; here it only knows the material it stands for.
#pragma once

#include "CoreMinimal.h"

class UMaterialInterface;

class ENGINE_API FMaterialRenderProxy
{
public:
	explicit FMaterialRenderProxy(const UMaterialInterface* InMaterialInterface, FString InMaterialName);
	virtual ~FMaterialRenderProxy();

	/** The material this proxy renders (null once the material is gone). */
	const UMaterialInterface* GetMaterialInterface() const;
	const FString& GetMaterialName() const
	{
		return MaterialName;
	}

private:
	const UMaterialInterface* MaterialInterface;
	FString MaterialName;

	friend class UMaterialInterface;
};
