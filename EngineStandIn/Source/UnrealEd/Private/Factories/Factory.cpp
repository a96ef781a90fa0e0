#include "Factories/Factory.h"

UFactory::UFactory(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
	, bCreateNew(false)
	, bEditAfterNew(false)
	, bEditorImport(false)
	, bText(false)
{
}

UObject* UFactory::FactoryCreateNew(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags, UObject* Context, FFeedbackContext* Warn)
{
	return nullptr;
}

UObject* UFactory::FactoryCreateNew(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags, UObject* Context, FFeedbackContext* Warn, FName CallingContext)
{
	return FactoryCreateNew(InClass, InParent, InName, Flags, Context, Warn);
}

bool UFactory::CanCreateNew() const
{
	return bCreateNew;
}

bool UFactory::ShouldShowInNewMenu() const
{
	return CanCreateNew();
}

FText UFactory::GetDisplayName() const
{
	UClass* Class = GetSupportedClass();
	return Class ? FText::FromString(Class->GetName()) : FText();
}

UClass* UFactory::GetSupportedClass() const
{
	return SupportedClass;
}
