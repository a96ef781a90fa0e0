#include "UEtoGMA/SUEtoGMAHelpDialog.h"

#include "Styling/AppStyle.h"
#include "Styling/StyleColors.h"
#include "Widgets/Images/SImage.h"
#include "Widgets/Layout/SBorder.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/Text/STextBlock.h"
#include "ZORLightEditorStyle.h"

#define LOCTEXT_NAMESPACE "ZORLightNamespace"

void SUEtoGMAHelpDialog::Construct(const FArguments& InArgs)
{
	const FText Instructions[] =
	{
		LOCTEXT("Help1Label", "1.Edit No. : Your grandMA2 Fixture Type  (needs to be imported already)"),
		LOCTEXT("Help2Label", "2.Your grandMA2 Fixture Type -> Module: Need to allocate and size."),
		LOCTEXT("Help3Label", "3.Click the 'Export' button,Select target folder/drive,Export to folder : Select a folder or USB device(for example: 'Desktop')\n(If the 'gma2' folder structure does not already exist, exporting will automatically create it,and if it exists, it will overwrite the folder and files)"),
		LOCTEXT("Help4Label", "4.Open your  grandMA2 ,Setup > Import Export > Import > Macros,Import all macros from 'DO2VOR.xml'file "),
		LOCTEXT("Help5Label", "5.Start macro 'DO2VOR import layers','DO2VOR patch fixtures','DO2VOR  move fixtures','DO2VOR create groups' "),
	};

	TSharedRef<SVerticalBox> Content = SNew(SVerticalBox)
		+ SVerticalBox::Slot()
		.AutoHeight()
		[
			SNew(SImage)
			.Image(FZORLightEditorStyle::Get().GetBrush("UEtoGMA.Help"))
		];

	for (const FText& Instruction : Instructions)
	{
		Content->AddSlot()
			.AutoHeight()
			.Padding(FMargin(0.0f, 16.0f, 0.0f, 0.0f))
			[
				SNew(STextBlock)
				.Text(Instruction)
				.AutoWrapText(true)
				.ColorAndOpacity(FStyleColors::ForegroundHover)
			];
	}

	ChildSlot
	[
		SNew(SBorder)
		.BorderImage(FAppStyle::Get().GetBrush("Brushes.Panel"))
		.Padding(FMargin(16.0f))
		[
			Content
		]
	];
}

#undef LOCTEXT_NAMESPACE
