// Reflection of the core math structs, which are not USTRUCTs in Core.
#include "UObject/Class.h"
#include "UObject/GeneratedCppIncludes.h"

namespace
{
	using namespace UE::CoreUObject::Private;

	template<typename T>
	UScriptStruct* MakeBaseStructure(UScriptStruct** Out, const TCHAR* Name, const TCHAR* CppName, void (*AddProperties)(FPropertyBuilder&))
	{
		if (!*Out)
		{
			FStructParams Params;
			Params.Name = Name;
			Params.CppName = CppName;
			Params.PackageName = TEXT("/Script/CoreUObject");
			Params.AddProperties = AddProperties;
			Params.Ops = GetTypeOps<T>();
			ConstructScriptStruct(Out, Params);
		}
		return *Out;
	}
}

#define BASE_STRUCT_MEMBER(Type, Member) Builder.AddProperty(TEXT(#Member), &Type::Member, (uint64)(CPF_Edit | CPF_BlueprintVisible), nullptr, 0);

#define IMPLEMENT_BASE_STRUCTURE_STANDIN(Type, Name, Members) \
	UScriptStruct* TBaseStructure<Type>::Get() \
	{ \
		static UScriptStruct* Struct = nullptr; \
		return MakeBaseStructure<Type>(&Struct, TEXT(Name), TEXT(#Type), [](FPropertyBuilder& Builder) { Members }); \
	}

IMPLEMENT_BASE_STRUCTURE_STANDIN(FVector, "Vector", BASE_STRUCT_MEMBER(FVector, X) BASE_STRUCT_MEMBER(FVector, Y) BASE_STRUCT_MEMBER(FVector, Z))
IMPLEMENT_BASE_STRUCTURE_STANDIN(FVector2D, "Vector2D", BASE_STRUCT_MEMBER(FVector2D, X) BASE_STRUCT_MEMBER(FVector2D, Y))
IMPLEMENT_BASE_STRUCTURE_STANDIN(FVector4, "Vector4", BASE_STRUCT_MEMBER(FVector4, X) BASE_STRUCT_MEMBER(FVector4, Y) BASE_STRUCT_MEMBER(FVector4, Z) BASE_STRUCT_MEMBER(FVector4, W))
IMPLEMENT_BASE_STRUCTURE_STANDIN(FRotator, "Rotator", BASE_STRUCT_MEMBER(FRotator, Pitch) BASE_STRUCT_MEMBER(FRotator, Yaw) BASE_STRUCT_MEMBER(FRotator, Roll))
IMPLEMENT_BASE_STRUCTURE_STANDIN(FQuat, "Quat", BASE_STRUCT_MEMBER(FQuat, X) BASE_STRUCT_MEMBER(FQuat, Y) BASE_STRUCT_MEMBER(FQuat, Z) BASE_STRUCT_MEMBER(FQuat, W))
IMPLEMENT_BASE_STRUCTURE_STANDIN(FLinearColor, "LinearColor", BASE_STRUCT_MEMBER(FLinearColor, R) BASE_STRUCT_MEMBER(FLinearColor, G) BASE_STRUCT_MEMBER(FLinearColor, B) BASE_STRUCT_MEMBER(FLinearColor, A))
IMPLEMENT_BASE_STRUCTURE_STANDIN(FColor, "Color", BASE_STRUCT_MEMBER(FColor, B) BASE_STRUCT_MEMBER(FColor, G) BASE_STRUCT_MEMBER(FColor, R) BASE_STRUCT_MEMBER(FColor, A))
IMPLEMENT_BASE_STRUCTURE_STANDIN(FIntPoint, "IntPoint", BASE_STRUCT_MEMBER(FIntPoint, X) BASE_STRUCT_MEMBER(FIntPoint, Y))
IMPLEMENT_BASE_STRUCTURE_STANDIN(FTransform, "Transform", (void)Builder;)
