#include "ZORPrismWheelFactory.h"

#include "ZORPrismWheel.h"

UZORPrismWheelFactory::UZORPrismWheelFactory()
{
	SupportedClass = UZORPrismWheel::StaticClass();
	bCreateNew = true;
}

UObject* UZORPrismWheelFactory::FactoryCreateNew(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags, UObject* Context, FFeedbackContext* Warn)
{
	return NewObject<UZORPrismWheel>(InParent, UZORPrismWheel::StaticClass(), InName, Flags);
}
