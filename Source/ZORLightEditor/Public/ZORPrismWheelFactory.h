#pragma once

#include "CoreMinimal.h"
#include "Factories/Factory.h"
#include "ZORPrismWheelFactory.generated.h"

/** Creates new prism wheel assets (the content browser's "new asset" menu). */
UCLASS()
class ZORLIGHTEDITOR_API UZORPrismWheelFactory : public UFactory
{
	GENERATED_BODY()

public:
	UZORPrismWheelFactory();

	virtual UObject* FactoryCreateNew(UClass* InClass, UObject* InParent, FName InName, EObjectFlags Flags, UObject* Context, FFeedbackContext* Warn) override;
};
