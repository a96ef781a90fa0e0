// Compiles the HLSL that the material translator recorded for a custom expression with glslang's HLSL
// front end, and runs it on a Vulkan device (Mesa's CPU device "llvmpipe" on these machines): one
// compute invocation per case, each calling the generated function with its own input values and the
// shared textures, and reading back what it returned.
#pragma once

#include "CoreMinimal.h"
#include "StandInTesting/MaterialTranslator.h"

namespace StandIn
{
	/**
	 * A small generated texture: texels row by row (x fastest), then slice by slice for a volume, then
	 * mip by mip. Each mip halves every extent (never below 1) and has its own texels.
	 */
	struct FShaderTexture
	{
		int32 Width = 1;
		int32 Height = 1;
		int32 Depth = 1;
		int32 NumMips = 1;
		bool bVolume = false;
		TArray<FLinearColor> Texels;

		static FShaderTexture Filled(int32 InWidth, int32 InHeight, const FLinearColor& Color);
		static FShaderTexture FilledVolume(int32 InSize, const FLinearColor& Color);
		/** Every texel of every mip black; the caller fills them with At. */
		static FShaderTexture Blank(int32 InWidth, int32 InHeight, int32 InDepth, bool bInVolume, int32 InNumMips);

		/** The extent of a mip: Width, Height or Depth halved Mip times, at least 1. */
		static int32 MipExtent(int32 Extent, int32 Mip)
		{
			return FMath::Max(1, Extent >> Mip);
		}
		int32 MipTexelCount(int32 Mip) const;
		/** Where a mip's texels start: the texels of the mips before it (of all of them for NumMips). */
		int32 MipOffset(int32 Mip) const;
		FLinearColor& At(int32 X, int32 Y, int32 Z = 0, int32 Mip = 0);
		const FLinearColor& At(int32 X, int32 Y, int32 Z = 0, int32 Mip = 0) const;
	};

	/** Values of the inputs for one invocation; a scalar uses X, a float2 X and Y, a float3 X, Y, Z. */
	typedef TMap<FString, FVector4f> FShaderCase;

	class FShaderHarness
	{
	public:
		/**
		 * A compute shader around the record's function: stubs for the engine's shader library symbols
		 * the material templates may use (PI, FMaterialPixelParameters with PrimitiveId, GetPrimitiveData
		 * whose WorldToLocal is the given matrix, LWCToFloat), the function, and an entry point that calls it.
		 * The matrix is written as HLSL's float4x4 constructor reads it: M[0][0], M[0][1], ... row by row.
		 */
		static FString MakeComputeShader(const FCustomExpressionRecord& Record, const FMatrix44f& WorldToLocal = FMatrix44f::Identity);

		/** glslangValidator -D -V on the text; the SPIR-V words, or false with the compiler's messages. */
		static bool CompileHlsl(const FString& Source, TArray<uint32>& OutSpirv, FString& OutLog);

		/** True when a Vulkan device can run compute shaders; otherwise false with the reason. */
		static bool HasDevice(FString& OutReason);

		/** The name of the device the runs use ("llvmpipe (LLVM ...)"). */
		static FString GetDeviceName();

		/**
		 * Runs the record's function once per case, all cases in one dispatch. Inputs a case leaves out
		 * are 0; a texture not in Textures is one white texel. Every sampler is the same: nearest texel
		 * (texel floor(u * extent), wrapped into the extent, as the material's default sampler wraps),
		 * nearest mip, the explicit level clamped to the texture's mips. The same text compiles once per
		 * process.
		 */
		static bool Run(const FCustomExpressionRecord& Record, const TArray<FShaderCase>& Cases,
			const TMap<FString, FShaderTexture>& Textures, TArray<FVector4f>& OutResults, FString& OutError,
			const FMatrix44f& WorldToLocal = FMatrix44f::Identity);
	};
}
