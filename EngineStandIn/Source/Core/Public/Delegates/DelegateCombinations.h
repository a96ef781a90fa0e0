// The engine's delegate declaration macros; each declares a TDelegate or TMulticastDelegate type.
#pragma once

#define DECLARE_DELEGATE(DelegateName) typedef TDelegate<void()> DelegateName
#define DECLARE_DELEGATE_OneParam(DelegateName, Param1Type) typedef TDelegate<void(Param1Type)> DelegateName
#define DECLARE_DELEGATE_TwoParams(DelegateName, Param1Type, Param2Type) typedef TDelegate<void(Param1Type, Param2Type)> DelegateName
#define DECLARE_DELEGATE_ThreeParams(DelegateName, Param1Type, Param2Type, Param3Type) typedef TDelegate<void(Param1Type, Param2Type, Param3Type)> DelegateName
#define DECLARE_DELEGATE_FourParams(DelegateName, Param1Type, Param2Type, Param3Type, Param4Type) typedef TDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type)> DelegateName
#define DECLARE_DELEGATE_FiveParams(DelegateName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type) typedef TDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type)> DelegateName
#define DECLARE_DELEGATE_SixParams(DelegateName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type) typedef TDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type)> DelegateName
#define DECLARE_DELEGATE_SevenParams(DelegateName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type, Param7Type) typedef TDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type, Param7Type)> DelegateName
#define DECLARE_DELEGATE_EightParams(DelegateName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type, Param7Type, Param8Type) typedef TDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type, Param7Type, Param8Type)> DelegateName
#define DECLARE_DELEGATE_NineParams(DelegateName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type, Param7Type, Param8Type, Param9Type) typedef TDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type, Param7Type, Param8Type, Param9Type)> DelegateName

#define DECLARE_DELEGATE_RetVal(ReturnValueType, DelegateName) typedef TDelegate<ReturnValueType()> DelegateName
#define DECLARE_DELEGATE_RetVal_OneParam(ReturnValueType, DelegateName, Param1Type) typedef TDelegate<ReturnValueType(Param1Type)> DelegateName
#define DECLARE_DELEGATE_RetVal_TwoParams(ReturnValueType, DelegateName, Param1Type, Param2Type) typedef TDelegate<ReturnValueType(Param1Type, Param2Type)> DelegateName
#define DECLARE_DELEGATE_RetVal_ThreeParams(ReturnValueType, DelegateName, Param1Type, Param2Type, Param3Type) typedef TDelegate<ReturnValueType(Param1Type, Param2Type, Param3Type)> DelegateName
#define DECLARE_DELEGATE_RetVal_FourParams(ReturnValueType, DelegateName, Param1Type, Param2Type, Param3Type, Param4Type) typedef TDelegate<ReturnValueType(Param1Type, Param2Type, Param3Type, Param4Type)> DelegateName
#define DECLARE_DELEGATE_RetVal_FiveParams(ReturnValueType, DelegateName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type) typedef TDelegate<ReturnValueType(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type)> DelegateName
#define DECLARE_DELEGATE_RetVal_SixParams(ReturnValueType, DelegateName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type) typedef TDelegate<ReturnValueType(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type)> DelegateName
#define DECLARE_DELEGATE_RetVal_SevenParams(ReturnValueType, DelegateName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type, Param7Type) typedef TDelegate<ReturnValueType(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type, Param7Type)> DelegateName
#define DECLARE_DELEGATE_RetVal_EightParams(ReturnValueType, DelegateName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type, Param7Type, Param8Type) typedef TDelegate<ReturnValueType(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type, Param7Type, Param8Type)> DelegateName
#define DECLARE_DELEGATE_RetVal_NineParams(ReturnValueType, DelegateName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type, Param7Type, Param8Type, Param9Type) typedef TDelegate<ReturnValueType(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type, Param7Type, Param8Type, Param9Type)> DelegateName

#define DECLARE_MULTICAST_DELEGATE(DelegateName) typedef TMulticastDelegate<void()> DelegateName
#define DECLARE_MULTICAST_DELEGATE_OneParam(DelegateName, Param1Type) typedef TMulticastDelegate<void(Param1Type)> DelegateName
#define DECLARE_MULTICAST_DELEGATE_TwoParams(DelegateName, Param1Type, Param2Type) typedef TMulticastDelegate<void(Param1Type, Param2Type)> DelegateName
#define DECLARE_MULTICAST_DELEGATE_ThreeParams(DelegateName, Param1Type, Param2Type, Param3Type) typedef TMulticastDelegate<void(Param1Type, Param2Type, Param3Type)> DelegateName
#define DECLARE_MULTICAST_DELEGATE_FourParams(DelegateName, Param1Type, Param2Type, Param3Type, Param4Type) typedef TMulticastDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type)> DelegateName
#define DECLARE_MULTICAST_DELEGATE_FiveParams(DelegateName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type) typedef TMulticastDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type)> DelegateName
#define DECLARE_MULTICAST_DELEGATE_SixParams(DelegateName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type) typedef TMulticastDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type)> DelegateName
#define DECLARE_MULTICAST_DELEGATE_SevenParams(DelegateName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type, Param7Type) typedef TMulticastDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type, Param7Type)> DelegateName
#define DECLARE_MULTICAST_DELEGATE_EightParams(DelegateName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type, Param7Type, Param8Type) typedef TMulticastDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type, Param7Type, Param8Type)> DelegateName
#define DECLARE_MULTICAST_DELEGATE_NineParams(DelegateName, Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type, Param7Type, Param8Type, Param9Type) typedef TMulticastDelegate<void(Param1Type, Param2Type, Param3Type, Param4Type, Param5Type, Param6Type, Param7Type, Param8Type, Param9Type)> DelegateName

// Last, so the macros exist whichever of the two headers is included first.
#include "Delegates/Delegate.h"
