// UFactory: makes (or imports) assets of one class; the editor finds factories through reflection.
#pragma once

#include "CoreMinimal.h"
#include "Templates/SubclassOf.h"
#include "UObject/Object.h"
#include "Factory.generated.h"

class FFeedbackContext;

UCLASS(Abstract)
class UNREALED_API UFactory : public UObject
{
	GENERATED_BODY()

public:
	UFactory(const FObjectInitializer& ObjectInitializer = FObjectInitializer::Get());

	/** Makes a new asset of InClass named InName in InParent (a package). */
	virtual UObject* FactoryCreateNew(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags, UObject* Context, FFeedbackContext* Warn);
	virtual UObject* FactoryCreateNew(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags, UObject* Context, FFeedbackContext* Warn, FName CallingContext);

	/** Whether the factory offers "new asset" creation (the content browser's Add menu). */
	virtual bool CanCreateNew() const;
	virtual bool ShouldShowInNewMenu() const;
	virtual FText GetDisplayName() const;
	UClass* GetSupportedClass() const;

	/** The class the factory makes. */
	TSubclassOf<UObject> SupportedClass;
	/** File formats it imports ("ext;Description"). */
	TArray<FString> Formats;
	uint32 bCreateNew : 1;
	uint32 bEditAfterNew : 1;
	uint32 bEditorImport : 1;
	uint32 bText : 1;
};
