// Test hooks: the notifications the stand-in's notification manager has shown.
#pragma once

#include "CoreMinimal.h"
#include "Widgets/Notifications/SNotificationList.h"

namespace UE::StandIn
{
	struct FRecordedNotification
	{
		FNotificationInfo Info;
		TSharedPtr<SNotificationItem> Item;

		FText GetText() const { return Item.IsValid() ? Item->GetText() : Info.Text.Get(FText::GetEmpty()); }
	};

	SLATE_API const TArray<FRecordedNotification>& GetRecordedNotifications();
	SLATE_API void ClearRecordedNotifications();
}
