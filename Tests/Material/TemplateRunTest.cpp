// The templates run on a Vulkan device (Mesa's CPU device here): values the material would show.
#include "MaterialTestHelpers.h"

#include "StandInTesting/ShaderHarness.h"

#include <cmath>

using namespace ZORMaterialTest;

namespace
{
	FVector4f S(float Value)
	{
		return FVector4f(Value, 0.0f, 0.0f, 0.0f);
	}

	FVector4f V2(float X, float Y)
	{
		return FVector4f(X, Y, 0.0f, 0.0f);
	}

	FVector4f V3(float X, float Y, float Z)
	{
		return FVector4f(X, Y, Z, 0.0f);
	}

	/** The named texture 1 in every channel in its centre texel only: lit where the template samples (0.5, 0.5). */
	TMap<FString, StandIn::FShaderTexture> CentreMarkAs(const TCHAR* Name)
	{
		StandIn::FShaderTexture Texture = StandIn::FShaderTexture::Filled(21, 21, FLinearColor(0.0f, 0.0f, 0.0f, 0.0f));
		Texture.At(10, 10) = FLinearColor(1.0f, 1.0f, 1.0f, 1.0f);
		TMap<FString, StandIn::FShaderTexture> Textures;
		Textures.Add(FString(Name), Texture);
		return Textures;
	}

	/** The first prism's inputs: Num copies 0.2 from the centre at full scale. */
	void AddFirstPrism(StandIn::FShaderCase& Case, float Num, float MatrixArrange, float Pos)
	{
		Case.Add(TEXT("Prism1Num"), S(Num));
		Case.Add(TEXT("Prism1Radius"), S(0.2f));
		Case.Add(TEXT("Prism1MatrixArrange"), S(MatrixArrange));
		Case.Add(TEXT("Prism1Pos"), S(Pos));
		Case.Add(TEXT("Prism1Scale"), S(1.0f));
	}

	/** The projected-image inputs with an open light: white wheels, blades out, iris open, no frost. */
	StandIn::FShaderCase OpenLight()
	{
		StandIn::FShaderCase Case;
		Case.Add(TEXT("Dimmer"), S(1.0f));
		Case.Add(TEXT("UV"), V2(0.5f, 0.5f));
		Case.Add(TEXT("NumGobos"), S(1.0f));
		Case.Add(TEXT("NumGobos2"), S(1.0f));
		Case.Add(TEXT("NumColors"), S(1.0f));
		Case.Add(TEXT("FireCenter"), V2(0.5f, 0.5f));
		return Case;
	}

	/** One case a point: the shared inputs with the point as UV. */
	TArray<StandIn::FShaderCase> CasesAt(const StandIn::FShaderCase& Shared, const TArray<FVector4f>& Points)
	{
		TArray<StandIn::FShaderCase> Cases;
		for (const FVector4f& Point : Points)
		{
			StandIn::FShaderCase Case = Shared;
			Case.Add(TEXT("UV"), Point);
			Cases.Add(Case);
		}
		return Cases;
	}

	/** Prism copies seen through a gobo marked at its centre: UV points lit by a copy show DIM. */
	struct FSpot
	{
		float X;
		float Y;
		bool bLit;
	};

	template <int32 NumSpots>
	TArray<StandIn::FShaderCase> CasesAtSpots(const StandIn::FShaderCase& Shared, const FSpot (&Spots)[NumSpots])
	{
		TArray<FVector4f> Points;
		for (const FSpot& Spot : Spots)
		{
			Points.Add(V2(Spot.X, Spot.Y));
		}
		return CasesAt(Shared, Points);
	}

	class TemplateRun : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			FString Reason;
			if (!StandIn::FShaderHarness::HasDevice(Reason))
			{
				GTEST_SKIP() << "no Vulkan device to run the templates on: " << Utf8(Reason);
			}
		}

		/** Compiles a node of that type, then runs its function once per case. */
		TArray<FVector4f> Run(uint8 Type, const TArray<StandIn::FShaderCase>& Cases, const TMap<FString, StandIn::FShaderTexture>& Textures = {})
		{
			StandIn::FMaterialTranslator Translator;
			FNodeInMaterial Made = MakeNode(Type);
			const StandIn::FCustomExpressionRecord* Record = CompileNode(Translator, Made.Node);
			EXPECT_NE(Record, nullptr);
			TArray<FVector4f> Results;
			if (!Record)
			{
				return Results;
			}
			FString Error;
			EXPECT_TRUE(StandIn::FShaderHarness::Run(*Record, Cases, Textures, Results, Error)) << Utf8(Error);
			EXPECT_EQ(Results.Num(), Cases.Num());
			Results.SetNum(Cases.Num());
			return Results;
		}

		static void ExpectColor(const FVector4f& Got, float R, float G, float B, const char* What, float Tolerance = 1e-4f)
		{
			EXPECT_NEAR(Got.X, R, Tolerance) << What;
			EXPECT_NEAR(Got.Y, G, Tolerance) << What;
			EXPECT_NEAR(Got.Z, B, Tolerance) << What;
		}

		/** Lit spots show Lit in every channel, the others black. */
		template <int32 NumSpots>
		static void ExpectSpots(const TArray<FVector4f>& Results, const FSpot (&Spots)[NumSpots], float Lit)
		{
			for (int32 Index = 0; Index < Results.Num(); ++Index)
			{
				const float Expected = Spots[Index].bLit ? Lit : 0.0f;
				const std::string What = "UV (" + std::to_string(Spots[Index].X) + ", " + std::to_string(Spots[Index].Y) + ")";
				ExpectColor(Results[Index], Expected, Expected, Expected, What.c_str());
			}
		}

		StandIn::FEditorSession Session;
	};

	TEST_F(TemplateRun, PrismEditorPlacesFiveCopiesOnALineAtHalvingRadii)
	{
		// Copies at 90, 270, 450, 630 and 810 degrees with radii 0.2, 0.2, 0.1, 0.1 and 0.
		const FSpot Spots[] = {
			{ 0.5f, 0.7f, true }, { 0.5f, 0.3f, true }, { 0.5f, 0.6f, true }, { 0.5f, 0.4f, true }, { 0.5f, 0.5f, true },
			{ 0.5f, 0.8f, false }, { 0.5f, 0.2f, false }, { 0.7f, 0.5f, false }, { 0.3f, 0.5f, false }, { 0.6f, 0.5f, false },
		};
		StandIn::FShaderCase Shared;
		AddFirstPrism(Shared, 5.0f, 1.0f, 90.0f);
		ExpectSpots(Run(PrismEditor, CasesAtSpots(Shared, Spots), CentreMarkAs(TEXT("TXTpGobo"))), Spots, 0.5f);
	}

	TEST_F(TemplateRun, PrismEditorSpreadsCopiesEvenlyOnACircleOtherwise)
	{
		const FSpot Spots[] = {
			{ 0.7f, 0.5f, true }, { 0.5f, 0.7f, true }, { 0.3f, 0.5f, true }, { 0.5f, 0.3f, true }, { 0.5f, 0.5f, false },
		};
		StandIn::FShaderCase Shared;
		AddFirstPrism(Shared, 4.0f, 0.0f, 0.0f);
		ExpectSpots(Run(PrismEditor, CasesAtSpots(Shared, Spots), CentreMarkAs(TEXT("TXTpGobo"))), Spots, 0.5f);
	}

	TEST_F(TemplateRun, LightPlacesTheFirstPrismsCopiesAsThePrismEditorDoes)
	{
		const FSpot Spots[] = {
			{ 0.7f, 0.5f, true }, { 0.3f, 0.5f, true }, { 0.6f, 0.5f, true }, { 0.4f, 0.5f, true }, { 0.5f, 0.5f, true },
			{ 0.8f, 0.5f, false }, { 0.5f, 0.7f, false },
		};
		StandIn::FShaderCase Shared = OpenLight();
		Shared.Add(TEXT("Iris"), S(1.0f));
		AddFirstPrism(Shared, 5.0f, 1.0f, 0.0f);
		Shared.Add(TEXT("Prism2Num"), S(1.0f));
		Shared.Add(TEXT("Prism2Scale"), S(1.0f));
		ExpectSpots(Run(Light, CasesAtSpots(Shared, Spots), CentreMarkAs(TEXT("TXTpMask"))), Spots, 1.0f);
	}

	TEST_F(TemplateRun, AnIrisOfOneClosesRTToTheCentre)
	{
		TArray<StandIn::FShaderCase> Cases;
		const TArray<FVector4f> Points = { V2(0.5f, 0.5f), V2(0.5f, 0.52f), V2(0.8f, 0.5f) };
		for (const float Iris : { 1.0f, 0.0f })
		{
			StandIn::FShaderCase Shared = OpenLight();
			Shared.Add(TEXT("Iris"), S(Iris));
			Cases.Append(CasesAt(Shared, Points));
		}
		const TArray<FVector4f> Results = Run(RT, Cases);
		ASSERT_EQ(Results.Num(), 6);
		ExpectColor(Results[0], 1.0f, 1.0f, 1.0f, "closed iris, centre");
		ExpectColor(Results[1], 0.0f, 0.0f, 0.0f, "closed iris, next to the centre");
		ExpectColor(Results[2], 0.0f, 0.0f, 0.0f, "closed iris, off centre");
		ExpectColor(Results[3], 1.0f, 1.0f, 1.0f, "open iris, centre");
		ExpectColor(Results[4], 1.0f, 1.0f, 1.0f, "open iris, next to the centre");
		ExpectColor(Results[5], 1.0f, 1.0f, 1.0f, "open iris, off centre");
	}

	TEST_F(TemplateRun, AnIrisOfOneClosesTheOtherTemplateToTheCentre)
	{
		StandIn::FShaderCase Shared = OpenLight();
		Shared.Add(TEXT("Iris"), S(1.0f));
		const TArray<FVector4f> Results = Run(200, CasesAt(Shared, { V2(0.5f, 0.5f), V2(0.5f, 0.52f) }));
		ASSERT_EQ(Results.Num(), 2);
		// Soft blades at the centre: each of the four factors is 0.5.
		ExpectColor(Results[0], 0.0625f, 0.0625f, 0.0625f, "centre");
		ExpectColor(Results[1], 0.0f, 0.0f, 0.0f, "next to the centre");
	}

	TEST_F(TemplateRun, TheOtherTemplateRotatesTheGoboByTurns)
	{
		// A quarter turn samples the gobo at (0.5 - (y - 0.5), x): UV (0.7, 0.1) sees the gobo's (0.9, 0.7).
		StandIn::FShaderTexture Gobo = StandIn::FShaderTexture::Filled(5, 5, FLinearColor(0.0f, 0.0f, 0.0f, 0.0f));
		Gobo.At(4, 3) = FLinearColor(1.0f, 1.0f, 1.0f, 1.0f);
		StandIn::FShaderCase Shared = OpenLight();
		Shared.Add(TEXT("GoboAngle"), S(0.25f));
		TMap<FString, StandIn::FShaderTexture> Textures;
		Textures.Add(TEXT("TXTpGobo"), Gobo);
		const TArray<FVector4f> Results = Run(100, CasesAt(Shared, { V2(0.7f, 0.1f), V2(0.9f, 0.7f), V2(0.8f, 0.9f) }), Textures);
		ASSERT_EQ(Results.Num(), 3);
		// Soft blades at (0.7, 0.1): 0.1 * 0.3 * 0.9 * 0.7.
		const float Lit = 0.1f * 0.3f * 0.9f * 0.7f;
		ExpectColor(Results[0], Lit, Lit, Lit, "a quarter turn brings the marked texel here");
		ExpectColor(Results[1], 0.0f, 0.0f, 0.0f, "where the unturned gobo has it");
		ExpectColor(Results[2], 0.0f, 0.0f, 0.0f, "where a quarter turn the other way has it");
	}

	TEST_F(TemplateRun, AnRTBladeCutsHardWhereItReaches)
	{
		StandIn::FShaderCase Shared = OpenLight();
		Shared.Add(TEXT("Blade1A"), S(0.3f));
		Shared.Add(TEXT("Blade1B"), S(0.3f));
		const TArray<FVector4f> Results = Run(RT, CasesAt(Shared, { V2(0.5f, 0.2f), V2(0.5f, 0.29f), V2(0.5f, 0.31f), V2(0.5f, 0.6f) }));
		ASSERT_EQ(Results.Num(), 4);
		ExpectColor(Results[0], 0.0f, 0.0f, 0.0f, "well under the blade");
		ExpectColor(Results[1], 0.0f, 0.0f, 0.0f, "just under the blade");
		ExpectColor(Results[2], 1.0f, 1.0f, 1.0f, "just past the blade");
		ExpectColor(Results[3], 1.0f, 1.0f, 1.0f, "in the open");
	}

	TEST_F(TemplateRun, TheColourWheelStripSelectsTheIndexedImage)
	{
		StandIn::FShaderTexture Wheel = StandIn::FShaderTexture::Filled(4, 1, FLinearColor(0.0f, 0.0f, 0.0f, 1.0f));
		Wheel.At(0, 0) = FLinearColor(1.0f, 0.0f, 0.0f, 1.0f);
		Wheel.At(1, 0) = FLinearColor(0.0f, 1.0f, 0.0f, 1.0f);
		Wheel.At(2, 0) = FLinearColor(0.0f, 0.0f, 1.0f, 1.0f);
		Wheel.At(3, 0) = FLinearColor(1.0f, 1.0f, 0.0f, 1.0f);
		TArray<StandIn::FShaderCase> Cases;
		for (const float Index : { 0.0f, 2.0f, 3.0f })
		{
			StandIn::FShaderCase Case = OpenLight();
			Case.Add(TEXT("NumColors"), S(4.0f));
			Case.Add(TEXT("ColorIndex"), S(Index));
			Cases.Add(Case);
		}
		TMap<FString, StandIn::FShaderTexture> Textures;
		Textures.Add(TEXT("TXTpColor"), Wheel);
		const TArray<FVector4f> Results = Run(RT, Cases, Textures);
		ASSERT_EQ(Results.Num(), 3);
		ExpectColor(Results[0], 1.0f, 0.0f, 0.0f, "colour 0");
		ExpectColor(Results[1], 0.0f, 0.0f, 1.0f, "colour 2");
		ExpectColor(Results[2], 1.0f, 1.0f, 0.0f, "colour 3");
	}

	TEST_F(TemplateRun, OtherGivesOne)
	{
		TArray<StandIn::FShaderCase> Cases;
		Cases.Add(StandIn::FShaderCase());
		Cases.Add(OpenLight());
		const TArray<FVector4f> Results = Run(Other, Cases);
		ASSERT_EQ(Results.Num(), 2);
		ExpectColor(Results[0], 1.0f, 1.0f, 1.0f, "all inputs 0");
		ExpectColor(Results[1], 1.0f, 1.0f, 1.0f, "an open light");
	}

	/** A beam along -z from the fixture: a cone 1000 long, 10 at the lens and 110 at the end. */
	StandIn::FShaderCase BeamCase(float NDepth, float FDepth, float StepSize)
	{
		StandIn::FShaderCase Case;
		Case.Add(TEXT("NDepth"), S(NDepth));
		Case.Add(TEXT("FDepth"), S(FDepth));
		Case.Add(TEXT("NSlice"), V3(0.0f, 0.0f, -NDepth));
		Case.Add(TEXT("FSlice"), V3(0.0f, 0.0f, -FDepth));
		Case.Add(TEXT("StepSize"), S(StepSize));
		Case.Add(TEXT("AdjOpp"), V2(1000.0f, 100.0f));
		Case.Add(TEXT("ConeRadius"), S(10.0f));
		Case.Add(TEXT("MaxDistance"), S(2000.0f));
		Case.Add(TEXT("ScDepth"), S(100000.0f));
		Case.Add(TEXT("SoftClipSize"), S(1.0f));
		Case.Add(TEXT("NumGobos"), S(1.0f));
		Case.Add(TEXT("NumColors"), S(1.0f));
		Case.Add(TEXT("DMXColor"), V3(1.0f, 0.5f, 0.25f));
		return Case;
	}

	TEST_F(TemplateRun, BeamIsBlackWhenTheDepthSpanIsShorterThanOneStep)
	{
		TArray<StandIn::FShaderCase> Cases;
		Cases.Add(BeamCase(100.0f, 150.0f, 100.0f));
		Cases.Add(BeamCase(100.0f, 199.0f, 100.0f));
		// The far point before the near one: no step either (and the march does not run away).
		Cases.Add(BeamCase(500.0f, 100.0f, 100.0f));
		// The steps that do run, for comparison: eight samples at 100, 200, ..., 800.
		Cases.Add(BeamCase(100.0f, 900.0f, 100.0f));
		const TArray<FVector4f> Results = Run(Beam, Cases);
		ASSERT_EQ(Results.Num(), 4);
		ExpectColor(Results[0], 0.0f, 0.0f, 0.0f, "span of half a step");
		ExpectColor(Results[1], 0.0f, 0.0f, 0.0f, "span just short of a step");
		ExpectColor(Results[2], 0.0f, 0.0f, 0.0f, "negative span");

		double Sum = 0.0;
		for (int32 Step = 0; Step < 8; ++Step)
		{
			const double Dist = 100.0 + 100.0 * Step;
			Sum += (1.0 / 8.0) * (1.0 / (Dist * Dist)) * (1.0 - Dist / 2000.0);
		}
		ASSERT_GT(Sum, 0.0);
		EXPECT_NEAR(Results[3].X / Sum, 1.0, 1e-3);
		EXPECT_NEAR(Results[3].Y / Sum, 0.5, 1e-3);
		EXPECT_NEAR(Results[3].Z / Sum, 0.25, 1e-3);
	}

	TEST_F(TemplateRun, BeamStepsOutsideTheConeAddNothing)
	{
		StandIn::FShaderCase Outside = BeamCase(100.0f, 900.0f, 100.0f);
		Outside.Add(TEXT("NSlice"), V3(500.0f, 0.0f, -100.0f));
		Outside.Add(TEXT("FSlice"), V3(500.0f, 0.0f, -900.0f));
		StandIn::FShaderCase Behind = BeamCase(100.0f, 900.0f, 100.0f);
		Behind.Add(TEXT("NSlice"), V3(0.0f, 0.0f, 100.0f));
		Behind.Add(TEXT("FSlice"), V3(0.0f, 0.0f, 900.0f));
		const TArray<FVector4f> Results = Run(Beam, { Outside, Behind });
		ASSERT_EQ(Results.Num(), 2);
		ExpectColor(Results[0], 0.0f, 0.0f, 0.0f, "beside the cone", 1e-9f);
		ExpectColor(Results[1], 0.0f, 0.0f, 0.0f, "behind the fixture", 1e-9f);
	}

	TEST_F(TemplateRun, BeamNoiseDarkensByTheNoiseTexture)
	{
		StandIn::FShaderCase Plain = BeamCase(100.0f, 900.0f, 100.0f);
		StandIn::FShaderCase Noisy = BeamCase(100.0f, 900.0f, 100.0f);
		Noisy.Add(TEXT("NoiseEnable"), S(1.0f));
		Noisy.Add(TEXT("NoiseScale"), S(1.0f));
		Noisy.Add(TEXT("NoiseGamma"), S(1.0f));
		Noisy.Add(TEXT("NoiseIntensity"), S(1.0f));
		TMap<FString, StandIn::FShaderTexture> Textures;
		Textures.Add(TEXT("NoiseTexture"), StandIn::FShaderTexture::FilledVolume(2, FLinearColor(0.25f, 0.0f, 0.0f, 1.0f)));
		const TArray<FVector4f> Results = Run(Beam, { Plain, Noisy }, Textures);
		ASSERT_EQ(Results.Num(), 2);
		ASSERT_GT(Results[0].X, 0.0f);
		// pow(lerp(1, 0.25^1, 1), 0.5) = 0.5
		EXPECT_NEAR(Results[1].X / Results[0].X, 0.5f, 1e-3f);
	}
}
