#pragma once

#include "CoreMinimal.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

/** The content of the "Help/Tutorial" window: a picture of the export and five steps to the console. */
class SUEtoGMAHelpDialog : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SUEtoGMAHelpDialog)
	{
	}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs);
};
