#pragma once

#include "CoreMinimal.h"
#include "IDetailCustomization.h"
#include "Input/Reply.h"
#include "PropertyHandle.h"

class IDetailLayoutBuilder;
class UZORPrismWheel;

/** The details panel of a prism wheel: its categories, the "Clear all" and "Generate" buttons and the reactions to size and arrangement edits. */
class ZORLIGHTEDITOR_API FZORPrismWheelDetails : public IDetailCustomization
{
public:
	virtual ~FZORPrismWheelDetails() override;

	static TSharedRef<IDetailCustomization> MakeInstance();

	virtual void CustomizeDetails(IDetailLayoutBuilder& DetailBuilder) override;

	FReply OnClearAllClicked(UZORPrismWheel* PrismWheel);
	FReply OnGenerateClicked(UZORPrismWheel* PrismWheel);
	void OnFacetteSizeChanged(UZORPrismWheel* PrismWheel);
	/** Places FacetteCount facettes evenly on a ring that touches the disc's rim, and selects them. */
	void GenerateFacettes(UZORPrismWheel* PrismWheel);

private:
	TSharedPtr<IPropertyHandle> FacetteCountHandle;
	TSharedPtr<IPropertyHandle> FacetteSizeHandle;
	TSharedPtr<IPropertyHandle> SameSizeHandle;
	TSharedPtr<IPropertyHandle> BeamAddHandle;
	TSharedPtr<IPropertyHandle> RadiusHandle;
	TSharedPtr<IPropertyHandle> AnglesHandle;
	TSharedPtr<IPropertyHandle> ColsHandle;
	TSharedPtr<IPropertyHandle> RowsHandle;
	TSharedPtr<IPropertyHandle> ColSpacingHandle;
	TSharedPtr<IPropertyHandle> RowSpacingHandle;
};
