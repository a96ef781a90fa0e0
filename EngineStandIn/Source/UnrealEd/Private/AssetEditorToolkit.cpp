#include "Toolkits/AssetEditorToolkit.h"

void FExtensibilityManager::AddExtender(TSharedPtr<FExtender> Extender)
{
	Extenders.AddUnique(Extender);
}

void FExtensibilityManager::RemoveExtender(TSharedPtr<FExtender> Extender)
{
	Extenders.Remove(Extender);
}

TSharedPtr<FExtender> FExtensibilityManager::GetAllExtenders()
{
	// Combining needs Slate's FExtender; until menus are built here, a single extender is the result.
	return Extenders.Num() > 0 ? Extenders.Last() : TSharedPtr<FExtender>();
}

const TArray<TSharedPtr<FExtender>>& UE::StandIn::GetExtenders(const FExtensibilityManager& Manager)
{
	return Manager.Extenders;
}
