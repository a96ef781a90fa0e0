// Compiles the HLSL that the material translator recorded for a custom expression with glslang's HLSL
// front end, and runs it on a Vulkan device (Mesa's CPU device "llvmpipe" on these machines): one
// compute invocation per case, each calling the generated function with its own input values and the
// shared textures, and reading back what it returned.
#pragma once

#include "CoreMinimal.h"
#include "StandInTesting/MaterialTranslator.h"

namespace StandIn
{
	/** A small generated texture: texels row by row (x fastest), then slice by slice for a volume. */
	struct FShaderTexture
	{
		int32 Width = 1;
		int32 Height = 1;
		int32 Depth = 1;
		bool bVolume = false;
		TArray<FLinearColor> Texels;

		static FShaderTexture Filled(int32 InWidth, int32 InHeight, const FLinearColor& Color);
		static FShaderTexture FilledVolume(int32 InSize, const FLinearColor& Color);
		FLinearColor& At(int32 X, int32 Y, int32 Z = 0);
	};

	/** Values of the inputs for one invocation; a scalar uses X, a float2 X and Y, a float3 X, Y, Z. */
	typedef TMap<FString, FVector4f> FShaderCase;

	class FShaderHarness
	{
	public:
		/**
		 * A compute shader around the record's function: stubs for the engine's shader library symbols
		 * the material templates may use (PI, FMaterialPixelParameters with PrimitiveId, GetPrimitiveData
		 * with an identity WorldToLocal, LWCToFloat), the function, and an entry point that calls it.
		 */
		static FString MakeComputeShader(const FCustomExpressionRecord& Record);

		/** glslangValidator -D -V on the text; the SPIR-V words, or false with the compiler's messages. */
		static bool CompileHlsl(const FString& Source, TArray<uint32>& OutSpirv, FString& OutLog);

		/** True when a Vulkan device can run compute shaders; otherwise false with the reason. */
		static bool HasDevice(FString& OutReason);

		/** The name of the device the runs use ("llvmpipe (LLVM ...)"). */
		static FString GetDeviceName();

		/**
		 * Runs the record's function once per case. Inputs a case leaves out are 0; a texture not in
		 * Textures is one white texel. Sampling is point sampling with wrapping, as the material's
		 * default sampler wraps.
		 */
		static bool Run(const FCustomExpressionRecord& Record, const TArray<FShaderCase>& Cases,
			const TMap<FString, FShaderTexture>& Textures, TArray<FVector4f>& OutResults, FString& OutError);
	};
}
