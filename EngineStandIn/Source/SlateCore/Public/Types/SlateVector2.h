// The 5.x vector migration: Slate takes either precision where it used to take FVector2D.
#pragma once

#include "CoreMinimal.h"

namespace UE::Slate
{
	/** A parameter that accepts FVector2D and FVector2f; Slate keeps it in single precision. */
	struct FDeprecateVector2DParameter : public FVector2f
	{
		FDeprecateVector2DParameter()
			: FVector2f(0.f, 0.f)
		{
		}

		FDeprecateVector2DParameter(float InX, float InY)
			: FVector2f(InX, InY)
		{
		}

		FDeprecateVector2DParameter(const FVector2f& InValue)
			: FVector2f(InValue)
		{
		}

		FDeprecateVector2DParameter(const FVector2D& InValue)
			: FVector2f((float)InValue.X, (float)InValue.Y)
		{
		}

		const FVector2f& ToVector2f() const { return *this; }
		FVector2D ToVector2D() const { return FVector2D(X, Y); }
		operator FVector2D() const { return FVector2D(X, Y); }
	};

	/** A result that converts to FVector2D and FVector2f. */
	struct FDeprecateVector2DResult : public FVector2f
	{
		FDeprecateVector2DResult()
			: FVector2f(0.f, 0.f)
		{
		}

		FDeprecateVector2DResult(const FVector2f& InValue)
			: FVector2f(InValue)
		{
		}

		FDeprecateVector2DResult(const FVector2D& InValue)
			: FVector2f((float)InValue.X, (float)InValue.Y)
		{
		}

		const FVector2f& ToVector2f() const { return *this; }
		FVector2D ToVector2D() const { return FVector2D(X, Y); }
		operator FVector2D() const { return FVector2D(X, Y); }
	};
}
