#include "Library/DMXEntity.h"
#include "Library/DMXLibrary.h"

UDMXLibrary* UDMXEntity::GetParentLibrary() const
{
	return ParentLibrary.Get();
}

void UDMXEntity::SetParentLibrary(UDMXLibrary* InParent)
{
	ParentLibrary = InParent;
}
