// Type-to-reflection accessors. Each reflected type's *.generated.h declares the explicit
// specialisation; its *.gen.cpp defines it, so a type may be named here while still incomplete.
#pragma once

class UClass;
class UScriptStruct;
class UEnum;

template<typename ClassType>
UClass* StaticClass();

template<typename StructType>
UScriptStruct* StaticStruct();

template<typename EnumType>
UEnum* StaticEnum();
