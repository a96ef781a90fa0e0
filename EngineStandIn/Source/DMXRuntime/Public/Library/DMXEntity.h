#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/WeakObjectPtrTemplates.h"
#include "DMXEntity.generated.h"

class UDMXLibrary;

/** Something a DMX library holds: a fixture type or a fixture patch. */
UCLASS(Abstract)
class DMXRUNTIME_API UDMXEntity : public UObject
{
	GENERATED_BODY()

public:
	FString GetDisplayName() const
	{
		return Name;
	}
	void SetName(const FString& InNewName)
	{
		Name = InNewName;
	}

	UDMXLibrary* GetParentLibrary() const;
	void SetParentLibrary(UDMXLibrary* InParent);

protected:
	UPROPERTY()
	FString Name;

private:
	TWeakObjectPtr<UDMXLibrary> ParentLibrary;
};
