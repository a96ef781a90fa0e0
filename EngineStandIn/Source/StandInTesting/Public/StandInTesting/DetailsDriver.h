// Details panels as a user works them: made by the "PropertyEditor" module with the registered
// customizations, read as the rows a user sees, advanced sections opened, properties typed in.
#pragma once

#include "CoreMinimal.h"

class IDetailsView;
class UObject;

namespace StandIn
{
	/** A details view from the "PropertyEditor" module (loaded if needed), showing Object. */
	TSharedRef<IDetailsView> CreateDetailsView(UObject* Object);

	/**
	 * The panel as a user reads it, one line each: a category ("FastGenerate (Fast Generate)"), then its
	 * rows that are shown now ("  [Generate]" for a custom row with the texts it shows, "  Facette Count: 6"
	 * for a property, "(advanced)" after the rows of an open advanced section), and
	 * "  Advanced: N hidden" for a closed advanced section.
	 */
	TArray<FString> DescribeDetailsPanel(const IDetailsView& DetailsView);

	/** Clicks the expander of every closed advanced section; returns how many were opened. */
	int32 ExpandAllAdvancedSections(const IDetailsView& DetailsView);

	/**
	 * Types Value into the value box of that property's row and presses Enter, as a user does: the box takes
	 * keyboard focus (a closed advanced section is opened for it and closed again) and commits through the
	 * row's property handle. False with a message when the panel shows no such property or refuses the value.
	 */
	bool SetDetailsProperty(const IDetailsView& DetailsView, const FString& PropertyName, const FString& Value, FString& OutError);

	/** Clicks the button showing this text in the panel; false when there is none. */
	bool ClickDetailsButton(const IDetailsView& DetailsView, const FString& Text);
}
