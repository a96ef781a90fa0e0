// FSlateNotificationManager: shows notifications in the corner of the editor. The stand-in records them.
#pragma once

#include "CoreMinimal.h"
#include "Widgets/Notifications/SNotificationList.h"

class SLATE_API FSlateNotificationManager
{
public:
	static FSlateNotificationManager& Get();

	/** Shows the notification; returns the item to update (null when notifications are not allowed). */
	TSharedPtr<SNotificationItem> AddNotification(const FNotificationInfo& Info);
	void SetAllowNotifications(const bool bInAllowNotifications) { bAllowNotifications = bInAllowNotifications; }
	bool AreNotificationsAllowed() const { return bAllowNotifications; }
	void SetRootWindow(const TSharedRef<SWindow> InRootWindow)
	{
	}

private:
	friend struct FSlateNotificationManagerStandInAccess;

	bool bAllowNotifications = true;
};
