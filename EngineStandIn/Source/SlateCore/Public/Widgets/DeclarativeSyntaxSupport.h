// The declarative widget syntax: SLATE_BEGIN_ARGS / SLATE_ARGUMENT / SLATE_ATTRIBUTE / SLATE_EVENT /
// slots, and SNew / SAssignNew / SArgumentNew.
#pragma once

#include "CoreMinimal.h"
#include "Widgets/SWidget.h"
#include "Widgets/SNullWidget.h"
#include "Styling/ISlateStyle.h"

#include <functional>
#include <tuple>
#include <type_traits>

namespace UE::StandIn
{
	/** One address per widget type, so tests can find widgets of a type without RTTI. */
	template <typename T>
	struct TWidgetTypeId
	{
		static inline const char Id = 0;
	};

	template <typename T>
	const void* GetWidgetTypeId()
	{
		return &TWidgetTypeId<std::remove_cv_t<T>>::Id;
	}

	struct FSlateWidgetAccess
	{
		static void SetWidgetType(SWidget& Widget, const TCHAR* InTypeName, const void* InTypeId)
		{
			Widget.TypeOfWidget = FName(InTypeName);
			Widget.StandInTypeId = InTypeId;
		}

		static const void* GetWidgetTypeId(const SWidget& Widget) { return Widget.StandInTypeId; }
		static const TAttribute<FText>& GetToolTipText(const SWidget& Widget) { return Widget.ToolTipText; }

		/** The brush an SImage shows (SImage is a friend). */
		template <typename ImageWidgetType>
		static auto GetImage(const ImageWidgetType& Widget)
		{
			return Widget.Image.Get();
		}
	};

	template <typename UserClass>
	concept CSharedFromThis = requires(UserClass* Object) { Object->AsShared(); };
}

/** A widget reference that is never null (the null widget until set). */
struct TAlwaysValidWidget
{
	TAlwaysValidWidget()
		: Widget(SNullWidget::NullWidget)
	{
	}

	TSharedRef<SWidget> Widget;
};

/** `.SlotName()[ Widget ]` for a named slot. */
template <typename DeclarationType>
struct NamedSlotProperty
{
	NamedSlotProperty(DeclarationType& InOwnerDeclaration, TAlwaysValidWidget& ContentToSet)
		: OwnerDeclaration(InOwnerDeclaration)
		, SlotContent(ContentToSet)
	{
	}

	DeclarationType& operator[](const TSharedRef<SWidget>& InChild)
	{
		SlotContent.Widget = InChild;
		return OwnerDeclaration;
	}

	DeclarationType& OwnerDeclaration;
	TAlwaysValidWidget& SlotContent;
};


#define SLATE_BEGIN_ARGS(InWidgetType) \
	public: \
	struct FArguments : public TSlateBaseNamedArgs<FArguments> \
	{ \
		typedef FArguments WidgetArgsType; \
		typedef InWidgetType WidgetType; \
		FORCENOINLINE FArguments()

#define SLATE_USER_ARGS(InWidgetType) \
	SLATE_BEGIN_ARGS(InWidgetType)

#define SLATE_END_ARGS() \
	};

#define SLATE_PRIVATE_ATTRIBUTE_FUNCTION(AttrType, AttrName) \
	WidgetArgsType& AttrName(TAttribute<AttrType> InAttribute) \
	{ \
		_##AttrName = MoveTemp(InAttribute); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <typename... VarTypes> \
	WidgetArgsType& AttrName##_Static(typename std::type_identity<AttrType (*)(std::decay_t<VarTypes>...)>::type InFunc, VarTypes... Vars) \
	{ \
		_##AttrName = TAttribute<AttrType>::Create(TAttribute<AttrType>::FGetter::CreateStatic(InFunc, Vars...)); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <typename FunctorType, typename... VarTypes> \
	WidgetArgsType& AttrName##_Lambda(FunctorType&& InFunctor, VarTypes... Vars) \
	{ \
		_##AttrName = TAttribute<AttrType>::Create(TAttribute<AttrType>::FGetter::CreateLambda(Forward<FunctorType>(InFunctor), Vars...)); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <class UserClass, typename... VarTypes> \
	WidgetArgsType& AttrName##_Raw(const UserClass* InUserObject, typename TAttribute<AttrType>::FGetter::template TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes... Vars) \
	{ \
		_##AttrName = TAttribute<AttrType>::Create(TAttribute<AttrType>::FGetter::CreateRaw(InUserObject, InFunc, Vars...)); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <class UserClass, typename... VarTypes> \
	WidgetArgsType& AttrName(TSharedRef<UserClass> InUserObjectRef, typename TAttribute<AttrType>::FGetter::template TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes... Vars) \
	{ \
		_##AttrName = TAttribute<AttrType>::Create(TAttribute<AttrType>::FGetter::CreateSP(InUserObjectRef, InFunc, Vars...)); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <class UserClass, typename... VarTypes> \
	WidgetArgsType& AttrName(UserClass* InUserObject, typename TAttribute<AttrType>::FGetter::template TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes... Vars) \
	{ \
		if constexpr (UE::StandIn::CSharedFromThis<UserClass>) \
		{ \
			_##AttrName = TAttribute<AttrType>::Create(TAttribute<AttrType>::FGetter::CreateSP(InUserObject, InFunc, Vars...)); \
		} \
		else \
		{ \
			_##AttrName = TAttribute<AttrType>::Create(TAttribute<AttrType>::FGetter::CreateRaw(InUserObject, InFunc, Vars...)); \
		} \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <class UserClass, typename... VarTypes> \
	WidgetArgsType& AttrName##_UObject(UserClass* InUserObject, typename TAttribute<AttrType>::FGetter::template TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes... Vars) \
	{ \
		_##AttrName = TAttribute<AttrType>::Create(TAttribute<AttrType>::FGetter::CreateUObject(InUserObject, InFunc, Vars...)); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	}

/** An attribute: a value, or a getter polled whenever the widget reads it. */
#define SLATE_ATTRIBUTE(AttrType, AttrName) \
	TAttribute<AttrType> _##AttrName; \
	SLATE_PRIVATE_ATTRIBUTE_FUNCTION(AttrType, AttrName)

/** The common arguments every widget's FArguments carries, with fluent setters returning the real FArguments. */
template <typename InArgsType>
struct TSlateBaseNamedArgs : public FSlateBaseNamedArgs
{
	using WidgetArgsType = InArgsType;

	WidgetArgsType& Me() { return *static_cast<WidgetArgsType*>(this); }

	SLATE_PRIVATE_ATTRIBUTE_FUNCTION(FText, ToolTipText)

	SLATE_PRIVATE_ATTRIBUTE_FUNCTION(bool, IsEnabled)

	SLATE_PRIVATE_ATTRIBUTE_FUNCTION(EVisibility, Visibility)

	WidgetArgsType& Tag(FName InTag)
	{
		_Tag = InTag;
		return Me();
	}

	WidgetArgsType& RenderOpacity(float InRenderOpacity)
	{
		_RenderOpacity = InRenderOpacity;
		return Me();
	}

	WidgetArgsType& Clipping(EWidgetClipping InClipping)
	{
		_Clipping = InClipping;
		return Me();
	}

	WidgetArgsType& ForceVolatile(bool bInForceVolatile)
	{
		_ForceVolatile = bInForceVolatile;
		return Me();
	}

	WidgetArgsType& AccessibleText(const TAttribute<FText>& InText)
	{
		_AccessibleText = InText;
		return Me();
	}
};

/** A plain argument, copied into the widget at construction. */
#define SLATE_ARGUMENT(ArgType, ArgName) \
	ArgType _##ArgName; \
	WidgetArgsType& ArgName(ArgType InArg) \
	{ \
		_##ArgName = InArg; \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	}

#define SLATE_ARGUMENT_DEFAULT(ArgType, ArgName) \
	SLATE_ARGUMENT(ArgType, ArgName)

/** A style pointer; also accepts (style set, key). */
#define SLATE_STYLE_ARGUMENT(ArgType, ArgName) \
	const ArgType* _##ArgName; \
	WidgetArgsType& ArgName(const ArgType* InArg) \
	{ \
		_##ArgName = InArg; \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	WidgetArgsType& ArgName(const ISlateStyle* InSlateStyle, const FName& StyleName, const ANSICHAR* Specifier = nullptr) \
	{ \
		check(InSlateStyle); \
		_##ArgName = &InSlateStyle->GetWidgetStyle<ArgType>(StyleName, Specifier); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	}

#define SLATE_STYLE_ARGUMENT_DEFAULT(ArgType, ArgName) \
	SLATE_STYLE_ARGUMENT(ArgType, ArgName)

/** An event: a delegate, bound directly or through the _Static/_Lambda/_Raw/SP forms. */
#define SLATE_EVENT(DelegateName, EventName) \
	DelegateName _##EventName; \
	WidgetArgsType& EventName(const DelegateName& InDelegate) \
	{ \
		_##EventName = InDelegate; \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <typename StaticFuncPtr, typename... VarTypes> \
	WidgetArgsType& EventName##_Static(StaticFuncPtr InFunc, VarTypes... Vars) \
	{ \
		_##EventName = DelegateName::CreateStatic(InFunc, Vars...); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <typename FunctorType, typename... VarTypes> \
	WidgetArgsType& EventName##_Lambda(FunctorType&& InFunctor, VarTypes... Vars) \
	{ \
		_##EventName = DelegateName::CreateLambda(Forward<FunctorType>(InFunctor), Vars...); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <class UserClass, typename... VarTypes> \
	WidgetArgsType& EventName##_Raw(UserClass* InUserObject, typename DelegateName::template TMethodPtr<UserClass, VarTypes...> InFunc, VarTypes... Vars) \
	{ \
		_##EventName = DelegateName::CreateRaw(InUserObject, InFunc, Vars...); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <class UserClass, typename... VarTypes> \
	WidgetArgsType& EventName##_Raw(UserClass* InUserObject, typename DelegateName::template TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes... Vars) \
	{ \
		_##EventName = DelegateName::CreateRaw(InUserObject, InFunc, Vars...); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <class UserClass, typename... VarTypes> \
	WidgetArgsType& EventName(TSharedRef<UserClass> InUserObjectRef, typename DelegateName::template TMethodPtr<UserClass, VarTypes...> InFunc, VarTypes... Vars) \
	{ \
		_##EventName = DelegateName::CreateSP(InUserObjectRef, InFunc, Vars...); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <class UserClass, typename... VarTypes> \
	WidgetArgsType& EventName(TSharedRef<UserClass> InUserObjectRef, typename DelegateName::template TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes... Vars) \
	{ \
		_##EventName = DelegateName::CreateSP(InUserObjectRef, InFunc, Vars...); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <class UserClass, typename... VarTypes> \
	WidgetArgsType& EventName(TSharedPtr<UserClass> InUserObject, typename DelegateName::template TMethodPtr<UserClass, VarTypes...> InFunc, VarTypes... Vars) \
	{ \
		_##EventName = DelegateName::CreateSP(InUserObject.ToSharedRef(), InFunc, Vars...); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <class UserClass, typename... VarTypes> \
	WidgetArgsType& EventName(TSharedPtr<UserClass> InUserObject, typename DelegateName::template TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes... Vars) \
	{ \
		_##EventName = DelegateName::CreateSP(InUserObject.ToSharedRef(), InFunc, Vars...); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <class UserClass, typename... VarTypes> \
	WidgetArgsType& EventName(UserClass* InUserObject, typename DelegateName::template TMethodPtr<UserClass, VarTypes...> InFunc, VarTypes... Vars) \
	{ \
		if constexpr (UE::StandIn::CSharedFromThis<UserClass>) \
		{ \
			_##EventName = DelegateName::CreateSP(InUserObject, InFunc, Vars...); \
		} \
		else \
		{ \
			_##EventName = DelegateName::CreateRaw(InUserObject, InFunc, Vars...); \
		} \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <class UserClass, typename... VarTypes> \
	WidgetArgsType& EventName(UserClass* InUserObject, typename DelegateName::template TConstMethodPtr<UserClass, VarTypes...> InFunc, VarTypes... Vars) \
	{ \
		if constexpr (UE::StandIn::CSharedFromThis<UserClass>) \
		{ \
			_##EventName = DelegateName::CreateSP(InUserObject, InFunc, Vars...); \
		} \
		else \
		{ \
			_##EventName = DelegateName::CreateRaw(InUserObject, InFunc, Vars...); \
		} \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	template <class UserClass, typename... VarTypes> \
	WidgetArgsType& EventName##_UObject(UserClass* InUserObject, typename DelegateName::template TMethodPtr<UserClass, VarTypes...> InFunc, VarTypes... Vars) \
	{ \
		_##EventName = DelegateName::CreateUObject(InUserObject, InFunc, Vars...); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	}

/** A named slot: `.SlotName()[ Widget ]`. */
#define SLATE_NAMED_SLOT(DeclarationType, SlotName) \
	NamedSlotProperty<DeclarationType> SlotName() \
	{ \
		return NamedSlotProperty<DeclarationType>(*this, _##SlotName); \
	} \
	TAlwaysValidWidget _##SlotName;

/** The default slot: `SNew(SFoo)[ Widget ]` fills it. */
#define SLATE_DEFAULT_SLOT(DeclarationType, SlotName) \
	SLATE_NAMED_SLOT(DeclarationType, SlotName); \
	DeclarationType& operator[](const TSharedRef<SWidget>& InChild) \
	{ \
		_##SlotName.Widget = InChild; \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	}

/** Slots added with `+ SFoo::Slot()`. */
#define SLATE_SLOT_ARGUMENT(SlotType, SlotName) \
	TArray<typename SlotType::FSlotArguments> _##SlotName; \
	WidgetArgsType& operator+(typename SlotType::FSlotArguments& SlotToAdd) \
	{ \
		_##SlotName.Add(SlotToAdd); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	} \
	WidgetArgsType& operator+(typename SlotType::FSlotArguments&& SlotToAdd) \
	{ \
		_##SlotName.Add(MoveTemp(SlotToAdd)); \
		return static_cast<WidgetArgsType*>(this)->Me(); \
	}

/** Makes the widget, then Construct(Args, RequiredArgs...), as SNew does. */
template <typename WidgetType, typename RequiredArgsTupleType>
struct TSlateDecl
{
	TSlateDecl(const TCHAR* InType, const ANSICHAR* InFile, int32 OnLine, RequiredArgsTupleType&& InRequiredArgs)
		: TypeName(InType)
		, RequiredArgs(MoveTemp(InRequiredArgs))
	{
	}

	/** Stores the new widget in a shared pointer or reference when it is made. */
	template <class ExposeAsWidgetType>
	TSlateDecl&& Expose(TSharedPtr<ExposeAsWidgetType>& OutVarToInit) &&
	{
		ExposeFunction = [&OutVarToInit](const TSharedRef<WidgetType>& InWidget)
		{
			OutVarToInit = InWidget;
		};
		return MoveTemp(*this);
	}

	template <class ExposeAsWidgetType>
	TSlateDecl&& Expose(TSharedRef<ExposeAsWidgetType>& OutVarToInit) &&
	{
		ExposeFunction = [&OutVarToInit](const TSharedRef<WidgetType>& InWidget)
		{
			OutVarToInit = InWidget;
		};
		return MoveTemp(*this);
	}

	template <class ExposeAsWidgetType>
	TSlateDecl&& Expose(TWeakPtr<ExposeAsWidgetType>& OutVarToInit) &&
	{
		ExposeFunction = [&OutVarToInit](const TSharedRef<WidgetType>& InWidget)
		{
			OutVarToInit = InWidget;
		};
		return MoveTemp(*this);
	}

	TSharedRef<WidgetType> operator<<=(const typename WidgetType::FArguments& InArgs) &&
	{
		TSharedRef<WidgetType> Widget = MakeShareable(new WidgetType());
		UE::StandIn::FSlateWidgetAccess::SetWidgetType(Widget.Get(), TypeName, UE::StandIn::GetWidgetTypeId<WidgetType>());
		Widget->SWidgetConstruct(InArgs);
		std::apply(
			[&Widget, &InArgs](auto&&... Args)
			{
				Widget->Construct(InArgs, Forward<decltype(Args)>(Args)...);
			},
			MoveTemp(RequiredArgs));
		if (ExposeFunction)
		{
			ExposeFunction(Widget);
		}
		return Widget;
	}

private:
	const TCHAR* TypeName;
	RequiredArgsTupleType RequiredArgs;
	std::function<void(const TSharedRef<WidgetType>&)> ExposeFunction;
};

template <typename WidgetType, typename RequiredArgsTupleType>
TSlateDecl<WidgetType, RequiredArgsTupleType> MakeTDecl(const TCHAR* InType, const ANSICHAR* InFile, int32 OnLine, RequiredArgsTupleType&& InRequiredArgs)
{
	return TSlateDecl<WidgetType, RequiredArgsTupleType>(InType, InFile, OnLine, MoveTemp(InRequiredArgs));
}

#define SLATE_STANDIN_WIDE2(x) L##x
#define SLATE_STANDIN_WIDE(x) SLATE_STANDIN_WIDE2(x)

#define SNew(WidgetType, ...) \
	MakeTDecl<WidgetType>(SLATE_STANDIN_WIDE(#WidgetType), __FILE__, __LINE__, std::forward_as_tuple(__VA_ARGS__)) <<= WidgetType::FArguments()

#define SAssignNew(ExposeAs, WidgetType, ...) \
	MakeTDecl<WidgetType>(SLATE_STANDIN_WIDE(#WidgetType), __FILE__, __LINE__, std::forward_as_tuple(__VA_ARGS__)).Expose(ExposeAs) <<= WidgetType::FArguments()

#define SArgumentNew(InArgs, WidgetType, ...) \
	MakeTDecl<WidgetType>(SLATE_STANDIN_WIDE(#WidgetType), __FILE__, __LINE__, std::forward_as_tuple(__VA_ARGS__)) <<= InArgs
