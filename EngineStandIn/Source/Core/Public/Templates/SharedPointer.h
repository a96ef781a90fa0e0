// The engine's shared pointer family: TSharedRef (never null), TSharedPtr, TWeakPtr, TSharedFromThis,
// MakeShared and MakeShareable. Reference counting is the standard library's.
#pragma once

#include "HAL/Platform.h"
#include "Misc/AssertionMacros.h"
#include "Templates/SharedPointerFwd.h"
#include "Templates/UnrealTemplate.h"

#include <cstddef>
#include <memory>
#include <type_traits>
#include <utility>

namespace SharedPointerInternals
{
	/** What MakeShareable returns: a raw pointer on its way into a shared pointer or reference. */
	template <class ObjectType>
	struct TRawPtrProxy
	{
		ObjectType* Object;

		explicit TRawPtrProxy(ObjectType* InObject)
			: Object(InObject)
		{
		}
	};

	template <class ObjectType, class DeleterType>
	struct TRawPtrProxyWithDeleter
	{
		ObjectType* Object;
		DeleterType Deleter;

		TRawPtrProxyWithDeleter(ObjectType* InObject, DeleterType&& InDeleter)
			: Object(InObject)
			, Deleter(MoveTemp(InDeleter))
		{
		}
	};

	/** Gives the family access to each other's storage without making it public API. */
	struct FAccess
	{
		template <class PtrType>
		static const auto& Get(const PtrType& Ptr)
		{
			return Ptr.Storage;
		}
	};

	template <class SpType, class ObjectType, ESPMode Mode>
	inline void EnableSharedFromThis(const std::shared_ptr<SpType>& Shared, const TSharedFromThis<ObjectType, Mode>* Object)
	{
		if (Object)
		{
			Object->UpdateWeakReferenceInternal(Shared);
		}
	}

	// Objects that do not derive from TSharedFromThis have nothing to hook up.
	template <class SpType>
	inline void EnableSharedFromThis(const std::shared_ptr<SpType>&, ...)
	{
	}

	template <class ObjectType>
	std::shared_ptr<ObjectType> MakeStdShared(ObjectType* Object)
	{
		std::shared_ptr<ObjectType> Result(Object);
		EnableSharedFromThis(Result, Object);
		return Result;
	}

	inline uint32 PointerHash(const void* Key)
	{
		const uint64 Value = static_cast<uint64>(reinterpret_cast<UPTRINT>(Key)) >> 4;
		return static_cast<uint32>(Value ^ (Value >> 32));
	}
}

/** A non-nullable, reference-counted reference to an object. */
template <class ObjectType, ESPMode Mode>
class TSharedRef
{
public:
	using ElementType = ObjectType;

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	explicit TSharedRef(OtherType* InObject)
		: Storage(SharedPointerInternals::MakeStdShared(InObject))
	{
		check(InObject != nullptr);
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedRef(const SharedPointerInternals::TRawPtrProxy<OtherType>& InProxy)
		: Storage(SharedPointerInternals::MakeStdShared(InProxy.Object))
	{
		check(InProxy.Object != nullptr);
	}

	template <class OtherType, class DeleterType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedRef(SharedPointerInternals::TRawPtrProxyWithDeleter<OtherType, DeleterType>&& InProxy)
		: Storage(InProxy.Object, MoveTemp(InProxy.Deleter))
	{
		check(InProxy.Object != nullptr);
		SharedPointerInternals::EnableSharedFromThis(Storage, InProxy.Object);
	}

	// Moving a shared reference copies it: a reference is never left null.
	TSharedRef(const TSharedRef& Other) = default;
	TSharedRef& operator=(const TSharedRef& Other) = default;

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedRef(const TSharedRef<OtherType, Mode>& Other)
		: Storage(SharedPointerInternals::FAccess::Get(Other))
	{
	}

	/** Aliasing: shares Other's reference count but points at InObject. */
	template <class OtherType>
	TSharedRef(const TSharedRef<OtherType, Mode>& Other, ObjectType* InObject)
		: Storage(SharedPointerInternals::FAccess::Get(Other), InObject)
	{
		check(InObject != nullptr);
	}

	TSharedPtr<ObjectType, Mode> ToSharedPtr() const
	{
		return TSharedPtr<ObjectType, Mode>(*this);
	}

	TWeakPtr<ObjectType, Mode> ToWeakPtr() const
	{
		return TWeakPtr<ObjectType, Mode>(*this);
	}

	ObjectType& Get() const
	{
		return *Storage;
	}

	ObjectType& operator*() const
	{
		return *Storage;
	}

	ObjectType* operator->() const
	{
		return Storage.get();
	}

	int32 GetSharedReferenceCount() const
	{
		return static_cast<int32>(Storage.use_count());
	}

	bool IsUnique() const
	{
		return Storage.use_count() == 1;
	}

	/** Always true; kept for code written against older engine versions. */
	bool IsValid() const
	{
		return true;
	}

private:
	template <class, ESPMode>
	friend class TSharedRef;
	template <class, ESPMode>
	friend class TSharedPtr;
	template <class, ESPMode>
	friend class TWeakPtr;
	template <class, ESPMode>
	friend class TSharedFromThis;
	friend struct SharedPointerInternals::FAccess;
	template <class To, class From, ESPMode M>
	friend TSharedRef<To, M> StaticCastSharedRef(const TSharedRef<From, M>&);
	template <class To, class From, ESPMode M>
	friend TSharedRef<To, M> ConstCastSharedRef(const TSharedRef<From, M>&);

	struct FFromStd
	{
	};
	TSharedRef(FFromStd, std::shared_ptr<ObjectType> InStorage)
		: Storage(MoveTemp(InStorage))
	{
		check(Storage != nullptr);
	}

	std::shared_ptr<ObjectType> Storage;
};

/** A nullable, reference-counted pointer to an object. */
template <class ObjectType, ESPMode Mode>
class TSharedPtr
{
public:
	using ElementType = ObjectType;

	TSharedPtr() = default;

	TSharedPtr(std::nullptr_t)
	{
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	explicit TSharedPtr(OtherType* InObject)
		: Storage(InObject ? SharedPointerInternals::MakeStdShared(InObject) : std::shared_ptr<OtherType>())
	{
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(const SharedPointerInternals::TRawPtrProxy<OtherType>& InProxy)
		: Storage(InProxy.Object ? SharedPointerInternals::MakeStdShared(InProxy.Object) : std::shared_ptr<OtherType>())
	{
	}

	template <class OtherType, class DeleterType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(SharedPointerInternals::TRawPtrProxyWithDeleter<OtherType, DeleterType>&& InProxy)
	{
		if (InProxy.Object)
		{
			Storage = std::shared_ptr<ObjectType>(InProxy.Object, MoveTemp(InProxy.Deleter));
			SharedPointerInternals::EnableSharedFromThis(Storage, InProxy.Object);
		}
	}

	TSharedPtr(const TSharedPtr& Other) = default;
	TSharedPtr(TSharedPtr&& Other) = default;
	TSharedPtr& operator=(const TSharedPtr& Other) = default;
	TSharedPtr& operator=(TSharedPtr&& Other) = default;

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(const TSharedPtr<OtherType, Mode>& Other)
		: Storage(SharedPointerInternals::FAccess::Get(Other))
	{
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(TSharedPtr<OtherType, Mode>&& Other)
		: Storage(MoveTemp(Other.Storage))
	{
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr(const TSharedRef<OtherType, Mode>& Other)
		: Storage(SharedPointerInternals::FAccess::Get(Other))
	{
	}

	/** Aliasing: shares Other's reference count but points at InObject. */
	template <class OtherType>
	TSharedPtr(const TSharedPtr<OtherType, Mode>& Other, ObjectType* InObject)
		: Storage(SharedPointerInternals::FAccess::Get(Other), InObject)
	{
	}

	template <class OtherType>
	TSharedPtr(const TSharedRef<OtherType, Mode>& Other, ObjectType* InObject)
		: Storage(SharedPointerInternals::FAccess::Get(Other), InObject)
	{
	}

	TSharedPtr& operator=(std::nullptr_t)
	{
		Reset();
		return *this;
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TSharedPtr& operator=(const SharedPointerInternals::TRawPtrProxy<OtherType>& InProxy)
	{
		*this = TSharedPtr(InProxy);
		return *this;
	}

	TSharedRef<ObjectType, Mode> ToSharedRef() const
	{
		check(IsValid());
		return TSharedRef<ObjectType, Mode>(typename TSharedRef<ObjectType, Mode>::FFromStd(), Storage);
	}

	TWeakPtr<ObjectType, Mode> ToWeakPtr() const
	{
		return TWeakPtr<ObjectType, Mode>(*this);
	}

	ObjectType* Get() const
	{
		return Storage.get();
	}

	explicit operator bool() const
	{
		return Storage != nullptr;
	}

	bool IsValid() const
	{
		return Storage != nullptr;
	}

	ObjectType& operator*() const
	{
		check(IsValid());
		return *Storage;
	}

	ObjectType* operator->() const
	{
		check(IsValid());
		return Storage.get();
	}

	void Reset()
	{
		Storage.reset();
	}

	int32 GetSharedReferenceCount() const
	{
		return static_cast<int32>(Storage.use_count());
	}

	bool IsUnique() const
	{
		return Storage.use_count() == 1;
	}

private:
	template <class, ESPMode>
	friend class TSharedRef;
	template <class, ESPMode>
	friend class TSharedPtr;
	template <class, ESPMode>
	friend class TWeakPtr;
	friend struct SharedPointerInternals::FAccess;
	template <class To, class From, ESPMode M>
	friend TSharedPtr<To, M> StaticCastSharedPtr(const TSharedPtr<From, M>&);
	template <class To, class From, ESPMode M>
	friend TSharedPtr<To, M> ConstCastSharedPtr(const TSharedPtr<From, M>&);

	struct FFromStd
	{
	};
	TSharedPtr(FFromStd, std::shared_ptr<ObjectType> InStorage)
		: Storage(MoveTemp(InStorage))
	{
	}

	std::shared_ptr<ObjectType> Storage;
};

/** A pointer that does not keep its object alive; Pin() to use it. */
template <class ObjectType, ESPMode Mode>
class TWeakPtr
{
public:
	using ElementType = ObjectType;

	TWeakPtr() = default;

	TWeakPtr(std::nullptr_t)
	{
	}

	TWeakPtr(const TWeakPtr& Other) = default;
	TWeakPtr(TWeakPtr&& Other) = default;
	TWeakPtr& operator=(const TWeakPtr& Other) = default;
	TWeakPtr& operator=(TWeakPtr&& Other) = default;

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TWeakPtr(const TSharedRef<OtherType, Mode>& Other)
		: Storage(SharedPointerInternals::FAccess::Get(Other))
		, Object(Other.Storage.get())
	{
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TWeakPtr(const TSharedPtr<OtherType, Mode>& Other)
		: Storage(SharedPointerInternals::FAccess::Get(Other))
		, Object(Other.Storage.get())
	{
	}

	template <class OtherType, typename = std::enable_if_t<std::is_convertible_v<OtherType*, ObjectType*>>>
	TWeakPtr(const TWeakPtr<OtherType, Mode>& Other)
		: Storage(Other.Storage)
		, Object(Other.Object)
	{
	}

	TWeakPtr& operator=(std::nullptr_t)
	{
		Reset();
		return *this;
	}

	TSharedPtr<ObjectType, Mode> Pin() const
	{
		return TSharedPtr<ObjectType, Mode>(typename TSharedPtr<ObjectType, Mode>::FFromStd(), Storage.lock());
	}

	bool IsValid() const
	{
		return Object != nullptr && !Storage.expired();
	}

	void Reset()
	{
		Storage.reset();
		Object = nullptr;
	}

	/** Whether this points at the given object (even if it has been destroyed since). */
	bool HasSameObject(const void* InOtherPtr) const
	{
		return static_cast<const void*>(Object) == InOtherPtr;
	}

	/** The object's address as it was when this pointer was set; for hashing and comparing only. */
	const void* GetAddressForComparison() const
	{
		return Object;
	}

private:
	template <class, ESPMode>
	friend class TWeakPtr;
	template <class, ESPMode>
	friend class TSharedFromThis;

	std::weak_ptr<ObjectType> Storage;
	ObjectType* Object = nullptr;
};

/** Derive from this to get a shared reference to an object from inside its own methods. */
template <class ObjectType, ESPMode Mode>
class TSharedFromThis
{
public:
	TSharedRef<ObjectType, Mode> AsShared()
	{
		std::shared_ptr<ObjectType> Shared = WeakThis.lock();
		check(Shared != nullptr);
		return TSharedRef<ObjectType, Mode>(typename TSharedRef<ObjectType, Mode>::FFromStd(), MoveTemp(Shared));
	}

	TSharedRef<const ObjectType, Mode> AsShared() const
	{
		std::shared_ptr<const ObjectType> Shared = WeakThis.lock();
		check(Shared != nullptr);
		return TSharedRef<const ObjectType, Mode>(typename TSharedRef<const ObjectType, Mode>::FFromStd(), MoveTemp(Shared));
	}

	TWeakPtr<ObjectType, Mode> AsWeak()
	{
		TWeakPtr<ObjectType, Mode> Result;
		Result.Storage = WeakThis;
		Result.Object = WeakThis.expired() ? nullptr : static_cast<ObjectType*>(this);
		return Result;
	}

	TWeakPtr<const ObjectType, Mode> AsWeak() const
	{
		TWeakPtr<const ObjectType, Mode> Result;
		Result.Storage = WeakThis;
		Result.Object = WeakThis.expired() ? nullptr : static_cast<const ObjectType*>(this);
		return Result;
	}

	bool DoesSharedInstanceExist() const
	{
		return !WeakThis.expired();
	}

	/** Called by the shared pointers when they take ownership; not for use by other code. */
	template <class SpType>
	void UpdateWeakReferenceInternal(const std::shared_ptr<SpType>& Shared) const
	{
		if (WeakThis.expired())
		{
			ObjectType* Self = const_cast<ObjectType*>(static_cast<const ObjectType*>(this));
			WeakThis = std::shared_ptr<ObjectType>(Shared, Self);
		}
	}

protected:
	TSharedFromThis()
	{
	}

	// Copies do not share the original's owner.
	TSharedFromThis(const TSharedFromThis&)
	{
	}

	TSharedFromThis& operator=(const TSharedFromThis&)
	{
		return *this;
	}

	~TSharedFromThis()
	{
	}

	template <class OtherType>
	static TSharedRef<OtherType, Mode> SharedThis(OtherType* ThisPtr);

	template <class OtherType>
	static TSharedRef<const OtherType, Mode> SharedThis(const OtherType* ThisPtr);

private:
	mutable std::weak_ptr<ObjectType> WeakThis;
};

template <class To, class From, ESPMode Mode>
TSharedRef<To, Mode> StaticCastSharedRef(const TSharedRef<From, Mode>& InSharedRef)
{
	return TSharedRef<To, Mode>(typename TSharedRef<To, Mode>::FFromStd(), std::static_pointer_cast<To>(InSharedRef.Storage));
}

template <class To, class From, ESPMode Mode>
TSharedRef<To, Mode> ConstCastSharedRef(const TSharedRef<From, Mode>& InSharedRef)
{
	return TSharedRef<To, Mode>(typename TSharedRef<To, Mode>::FFromStd(), std::const_pointer_cast<To>(InSharedRef.Storage));
}

template <class To, class From, ESPMode Mode>
TSharedPtr<To, Mode> StaticCastSharedPtr(const TSharedPtr<From, Mode>& InSharedPtr)
{
	return TSharedPtr<To, Mode>(typename TSharedPtr<To, Mode>::FFromStd(), std::static_pointer_cast<To>(InSharedPtr.Storage));
}

template <class To, class From, ESPMode Mode>
TSharedPtr<To, Mode> ConstCastSharedPtr(const TSharedPtr<From, Mode>& InSharedPtr)
{
	return TSharedPtr<To, Mode>(typename TSharedPtr<To, Mode>::FFromStd(), std::const_pointer_cast<To>(InSharedPtr.Storage));
}

template <class To, class From, ESPMode Mode>
TWeakPtr<To, Mode> StaticCastWeakPtr(const TWeakPtr<From, Mode>& InWeakPtr)
{
	return TWeakPtr<To, Mode>(StaticCastSharedPtr<To>(InWeakPtr.Pin()));
}

template <class ObjectType, ESPMode Mode>
template <class OtherType>
TSharedRef<OtherType, Mode> TSharedFromThis<ObjectType, Mode>::SharedThis(OtherType* ThisPtr)
{
	return StaticCastSharedRef<OtherType>(ThisPtr->AsShared());
}

template <class ObjectType, ESPMode Mode>
template <class OtherType>
TSharedRef<const OtherType, Mode> TSharedFromThis<ObjectType, Mode>::SharedThis(const OtherType* ThisPtr)
{
	return StaticCastSharedRef<const OtherType>(ThisPtr->AsShared());
}

/** A shared reference to an object of a class derived from TSharedFromThis, typed as the derived class. */
template <class OtherType>
auto SharedThis(OtherType* ThisPtr)
{
	using FResult = std::remove_reference_t<decltype(*ThisPtr)>;
	return StaticCastSharedRef<FResult>(ThisPtr->AsShared());
}

/** Wraps a newly created object so it can be assigned to a TSharedPtr or TSharedRef. */
template <class ObjectType>
SharedPointerInternals::TRawPtrProxy<ObjectType> MakeShareable(ObjectType* InObject)
{
	return SharedPointerInternals::TRawPtrProxy<ObjectType>(InObject);
}

template <class ObjectType, class DeleterType>
SharedPointerInternals::TRawPtrProxyWithDeleter<ObjectType, DeleterType> MakeShareable(ObjectType* InObject, DeleterType&& InDeleter)
{
	return SharedPointerInternals::TRawPtrProxyWithDeleter<ObjectType, DeleterType>(InObject, Forward<DeleterType>(InDeleter));
}

/** Creates an object and the shared reference that owns it. */
template <class ObjectType, ESPMode Mode = ESPMode::ThreadSafe, class... ArgTypes>
TSharedRef<ObjectType, Mode> MakeShared(ArgTypes&&... Args)
{
	return TSharedRef<ObjectType, Mode>(MakeShareable(new ObjectType(Forward<ArgTypes>(Args)...)));
}

// Comparisons compare the objects' addresses.
template <class A, class B, ESPMode Mode>
bool operator==(const TSharedRef<A, Mode>& Lhs, const TSharedRef<B, Mode>& Rhs)
{
	return &Lhs.Get() == &Rhs.Get();
}

template <class A, class B, ESPMode Mode>
bool operator==(const TSharedPtr<A, Mode>& Lhs, const TSharedPtr<B, Mode>& Rhs)
{
	return Lhs.Get() == Rhs.Get();
}

template <class A, class B, ESPMode Mode>
bool operator==(const TSharedPtr<A, Mode>& Lhs, const TSharedRef<B, Mode>& Rhs)
{
	return Lhs.Get() == &Rhs.Get();
}

template <class A, ESPMode Mode>
bool operator==(const TSharedPtr<A, Mode>& Lhs, std::nullptr_t)
{
	return !Lhs.IsValid();
}

template <class A, class B, ESPMode Mode>
bool operator==(const TWeakPtr<A, Mode>& Lhs, const TWeakPtr<B, Mode>& Rhs)
{
	return Lhs.Pin().Get() == Rhs.Pin().Get();
}

template <class A, class B, ESPMode Mode>
bool operator==(const TWeakPtr<A, Mode>& Lhs, const TSharedPtr<B, Mode>& Rhs)
{
	return Lhs.Pin().Get() == Rhs.Get();
}

template <class A, class B, ESPMode Mode>
bool operator==(const TWeakPtr<A, Mode>& Lhs, const TSharedRef<B, Mode>& Rhs)
{
	return Lhs.Pin().Get() == &Rhs.Get();
}

template <class A, ESPMode Mode>
bool operator==(const TWeakPtr<A, Mode>& Lhs, std::nullptr_t)
{
	return !Lhs.IsValid();
}

template <class A, class B, ESPMode Mode>
bool operator<(const TSharedPtr<A, Mode>& Lhs, const TSharedPtr<B, Mode>& Rhs)
{
	return Lhs.Get() < Rhs.Get();
}

template <class A, class B, ESPMode Mode>
bool operator<(const TSharedRef<A, Mode>& Lhs, const TSharedRef<B, Mode>& Rhs)
{
	return &Lhs.Get() < &Rhs.Get();
}

template <class ObjectType, ESPMode Mode>
inline uint32 GetTypeHash(const TSharedRef<ObjectType, Mode>& InSharedRef)
{
	return SharedPointerInternals::PointerHash(&InSharedRef.Get());
}

template <class ObjectType, ESPMode Mode>
inline uint32 GetTypeHash(const TSharedPtr<ObjectType, Mode>& InSharedPtr)
{
	return SharedPointerInternals::PointerHash(InSharedPtr.Get());
}

template <class ObjectType, ESPMode Mode>
inline uint32 GetTypeHash(const TWeakPtr<ObjectType, Mode>& InWeakPtr)
{
	return SharedPointerInternals::PointerHash(InWeakPtr.GetAddressForComparison());
}
