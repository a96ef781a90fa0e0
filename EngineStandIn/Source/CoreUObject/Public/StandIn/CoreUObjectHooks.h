// What the testing module needs from the object system. Plug-in code never includes this.
#pragma once

#include "CoreMinimal.h"

class UObject;
class UClass;
class UScriptStruct;
class UEnum;

namespace UE::StandIn
{
	/** Drives UObjectInitialized(). */
	COREUOBJECT_API void SetObjectSystemInitialized(bool bInitialized);

	/** Builds the reflection of every type whose library is loaded (done lazily otherwise). */
	COREUOBJECT_API void ProcessNewlyLoadedTypes();

	/** A class by name, without prefix or with it ("ZORFixtureActor" or "AZORFixtureActor"). */
	COREUOBJECT_API UClass* FindClassByName(const FString& Name);
	COREUOBJECT_API UScriptStruct* FindStructByName(const FString& Name);
	COREUOBJECT_API UEnum* FindEnumByName(const FString& Name);

	/** Number of live objects (garbage included). */
	COREUOBJECT_API int32 GetObjectCount();

	/** Marks every object created after the session began as garbage and deletes the garbage. */
	COREUOBJECT_API int32 GetObjectSerialMark();
	COREUOBJECT_API void DestroyObjectsCreatedAfter(int32 SerialMark);

	/** Deletes every object marked as garbage (like CollectGarbage). Returns how many were deleted. */
	COREUOBJECT_API int32 PurgeGarbage();

	/** How often a package went from clean to dirty. */
	COREUOBJECT_API int32 GetPackageDirtyCount(const UObject* Package);
}
