#pragma once

#include "CoreMinimal.h"

class FExtender;
class FExtensibilityManager;

namespace UE::StandIn
{
	/** The extenders added to a manager, in the order they were added. */
	UNREALED_API const TArray<TSharedPtr<FExtender>>& GetExtenders(const FExtensibilityManager& Manager);
}

/** Collects the menu or toolbar extenders that other modules add to an editor. */
class UNREALED_API FExtensibilityManager
{
public:
	virtual ~FExtensibilityManager()
	{
	}

	void AddExtender(TSharedPtr<FExtender> Extender);
	void RemoveExtender(TSharedPtr<FExtender> Extender);
	/** The extenders added so far, combined into one. */
	TSharedPtr<FExtender> GetAllExtenders();

private:
	friend UNREALED_API const TArray<TSharedPtr<FExtender>>& UE::StandIn::GetExtenders(const FExtensibilityManager& Manager);

	TArray<TSharedPtr<FExtender>> Extenders;
};

/** An editor module whose menus others may extend. */
class IHasMenuExtensibility
{
public:
	virtual ~IHasMenuExtensibility()
	{
	}
	virtual TSharedPtr<FExtensibilityManager> GetMenuExtensibilityManager() = 0;
};

/** An editor module whose toolbars others may extend. */
class IHasToolBarExtensibility
{
public:
	virtual ~IHasToolBarExtensibility()
	{
	}
	virtual TSharedPtr<FExtensibilityManager> GetToolBarExtensibilityManager() = 0;
};
