#include "Materials/MaterialInterface.h"

#include "Materials/MaterialRenderProxy.h"

FMaterialRenderProxy::FMaterialRenderProxy(const UMaterialInterface* InMaterialInterface, FString InMaterialName)
	: MaterialInterface(InMaterialInterface)
	, MaterialName(MoveTemp(InMaterialName))
{
}

FMaterialRenderProxy::~FMaterialRenderProxy()
{
}

const UMaterialInterface* FMaterialRenderProxy::GetMaterialInterface() const
{
	return MaterialInterface;
}

FMaterialRenderProxy* UMaterialInterface::GetRenderProxy() const
{
	if (!RenderProxy.IsValid())
	{
		RenderProxy = MakeShared<FMaterialRenderProxy>(this, GetPathName());
	}
	return RenderProxy.Get();
}
