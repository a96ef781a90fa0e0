#pragma once

#include "CoreMinimal.h"
#include "Templates/SharedPointer.h"

class IDetailLayoutBuilder;

/** Shapes the details panel of one class. */
class IDetailCustomization : public TSharedFromThis<IDetailCustomization>
{
public:
	virtual ~IDetailCustomization()
	{
	}

	/** Called when the layout this customization belongs to is about to go. */
	virtual void PendingDelete()
	{
	}

	/** The form the details view calls; by default it hands over to the reference form. */
	virtual void CustomizeDetails(const TSharedPtr<IDetailLayoutBuilder>& DetailBuilder)
	{
		CustomizeDetails(*DetailBuilder);
	}

	virtual void CustomizeDetails(IDetailLayoutBuilder& DetailBuilder) = 0;
};
