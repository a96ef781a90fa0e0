// The templates run on a Vulkan device (Mesa's CPU device here) and give what they model (the evaluation
// in TemplateReference.h) over inputs drawn at random across their meaningful ranges, with textures
// whose every texel, channel and mip differs.
#include "MaterialTestHelpers.h"
#include "TemplateReference.h"

#include "StandInTesting/ShaderHarness.h"

#include <cmath>
#include <sstream>
#include <utility>

using namespace ZORMaterialTest;
using StandIn::FShaderCase;
using StandIn::FShaderTexture;

namespace
{
	typedef TMap<FString, FShaderTexture> FTextures;

	// Float rounding on the device and here, through sines, powers and the slope of the soft blades.
	const float RelativeTolerance = 3e-5f;
	const float AbsoluteTolerance = 3e-6f;

	bool Agrees(float Got, float Expected) { return std::fabs(Got - Expected) <= RelativeTolerance * std::fabs(Expected) + AbsoluteTolerance; }

	bool Agrees(const FVector4f& Got, const FVector4f& Expected)
	{
		return Agrees(Got.X, Expected.X) && Agrees(Got.Y, Expected.Y) && Agrees(Got.Z, Expected.Z);
	}

	FVector4f S(float Value) { return FVector4f(Value, 0.0f, 0.0f, 0.0f); }
	FVector4f V2(float X, float Y) { return FVector4f(X, Y, 0.0f, 0.0f); }
	FVector4f V3(float X, float Y, float Z) { return FVector4f(X, Y, Z, 0.0f); }
	FVector4f V3(F3 Value) { return FVector4f(Value.X, Value.Y, Value.Z, 0.0f); }

	std::string Describe(const FShaderCase& Case)
	{
		std::ostringstream Out;
		Out.precision(9);
		for (const TPair<FString, FVector4f>& Value : Case)
		{
			Out << " " << Utf8(Value.Key) << "=(" << Value.Value.X << ", " << Value.Value.Y << ", " << Value.Value.Z << ")";
		}
		return Out.str();
	}

	/** Seeded xorshift: the same draws on every machine and compiler. */
	struct FDraw
	{
		uint64 State;

		explicit FDraw(uint64 Seed) : State(Seed * 0x9E3779B97F4A7C15ull + 12345) {}
		uint32 Next()
		{
			State ^= State << 13;
			State ^= State >> 7;
			State ^= State << 17;
			return (uint32)(State >> 32);
		}
		float Range(float Low, float High) { return Low + (High - Low) * (float)(Next() >> 8) / 16777216.0f; }
		float Whole(int32 Low, int32 High) { return (float)(Low + (int32)(Next() % (uint32)(High - Low + 1))); }
	};

	/** Every texel, channel and mip its own value: no flip or turn maps it onto itself, no channel equals another. */
	FShaderTexture Distinct(bool bVolume, uint64 Seed)
	{
		FShaderTexture Texture = bVolume ? FShaderTexture::Blank(32, 32, 32, true, 6) : FShaderTexture::Blank(256, 192, 1, false, 9);
		FDraw Draw(Seed);
		for (FLinearColor& Texel : Texture.Texels)
		{
			Texel = FLinearColor(Draw.Range(0.05f, 1.0f), Draw.Range(0.05f, 1.0f), Draw.Range(0.05f, 1.0f), Draw.Range(0.05f, 1.0f));
		}
		return Texture;
	}

	bool IsTexture(const StandIn::FTemplateInput& Input)
	{
		return Input.Kind == StandIn::EMaterialInputKind::Texture2D || Input.Kind == StandIn::EMaterialInputKind::VolumeTexture;
	}

	FTextures DistinctTextures(uint8 Type, uint64 Seed)
	{
		FTextures Textures;
		for (const StandIn::FTemplateInput& Input : StandIn::GetBeamTemplateInputs(Type))
		{
			if (IsTexture(Input))
			{
				Textures.Add(Input.Name, Distinct(Input.Kind == StandIn::EMaterialInputKind::VolumeTexture, Seed * 100 + Textures.Num()));
			}
		}
		return Textures;
	}

	/** The primitive's world-to-local matrix: a turn about all three axes, each column scaled differently. */
	FMatrix44f TurnedAndScaled()
	{
		const FMatrix Turn = FRotationMatrix(FRotator(-23.0, 109.0, 40.0));
		const double Scales[3] = { 1.5, 0.8, 1.2 };
		FMatrix44f Matrix = FMatrix44f::Identity;
		for (int32 Row = 0; Row < 3; ++Row)
		{
			for (int32 Column = 0; Column < 3; ++Column)
			{
				Matrix.M[Row][Column] = (float)(Turn.M[Row][Column] * Scales[Column]);
			}
		}
		return Matrix;
	}

	struct FRange { const TCHAR* Name; float Low; float High; };

	void AddRanges(FShaderCase& Case, FDraw& Draw, std::initializer_list<FRange> Ranges)
	{
		for (const FRange& Range : Ranges)
		{
			Case.Add(Range.Name, S(Draw.Range(Range.Low, Range.High)));
		}
	}

	void AddWheels(FShaderCase& Case, FDraw& Draw, float MaxTime)
	{
		const TCHAR* const Wheels[3][2] = { { TEXT("NumGobos"), TEXT("GoboIndex") }, { TEXT("NumGobos2"), TEXT("Gobo2Index") },
			{ TEXT("NumColors"), TEXT("ColorIndex") } };
		for (const auto& Wheel : Wheels)
		{
			const float Num = Draw.Whole(1, 5);
			Case.Add(Wheel[0], S(Num));
			Case.Add(Wheel[1], S(Draw.Whole(1, (int32)Num)));
		}
		AddRanges(Case, Draw, { { TEXT("Time"), 0.0f, MaxTime }, { TEXT("CurrentTime"), 0.0f, 4.0f }, { TEXT("GoboScrollingSpeed"), -0.3f, 0.3f },
			{ TEXT("Gobo2ScrollingSpeed"), -0.3f, 0.3f }, { TEXT("ColorScrollingSpeed"), -0.3f, 0.3f } });
	}

	void AddPrism(FShaderCase& Case, FDraw& Draw, const FString& Prism, int32 MaxNum)
	{
		Case.Add(Prism + TEXT("Num"), S(Draw.Whole(1, MaxNum)));
		Case.Add(Prism + TEXT("MatrixArrange"), S(Draw.Whole(0, 2)));
		Case.Add(Prism + TEXT("Radius"), S(Draw.Range(0.0f, 0.25f)));
		Case.Add(Prism + TEXT("Pos"), S(Draw.Range(0.0f, 360.0f)));
		Case.Add(Prism + TEXT("Scale"), S(Draw.Range(0.6f, 1.6f)));
	}

	/** One input set of the template, without the point (UV, or the view ray for the beam). */
	FShaderCase DrawSet(uint8 Type, FDraw& Draw)
	{
		FShaderCase Case;
		if (Type == Beam)
		{
			Case.Add(TEXT("AdjOpp"), V2(Draw.Range(2.0f, 6.0f), Draw.Range(0.5f, 2.0f)));
			Case.Add(TEXT("NoiseEnable"), S(Draw.Whole(0, 3) > 0.0f ? 1.0f : 0.0f));
			Case.Add(TEXT("NoiseMip"), S(Draw.Whole(0, 2)));
			Case.Add(TEXT("ObjectPosition"), V3(Draw.Range(-3.0f, 3.0f), Draw.Range(-3.0f, 3.0f), Draw.Range(-3.0f, 3.0f)));
			Case.Add(TEXT("DMXColor"), V3(Draw.Range(0.2f, 1.0f), Draw.Range(0.2f, 1.0f), Draw.Range(0.2f, 1.0f)));
			AddRanges(Case, Draw, { { TEXT("ConeRadius"), 0.1f, 0.6f }, { TEXT("MaxDistance"), 8.0f, 20.0f }, { TEXT("WindDirection"), 0.0f, 360.0f },
				{ TEXT("WindElevation"), -90.0f, 90.0f }, { TEXT("WindSpeed"), 0.0f, 2.0f }, { TEXT("NoiseScale"), 300.0f, 3000.0f },
				{ TEXT("NoiseGamma"), 0.5f, 2.0f }, { TEXT("NoiseIntensity"), 0.0f, 1.0f }, { TEXT("SoftClipSize"), 0.2f, 3.0f } });
			AddWheels(Case, Draw, 0.3f);
			return Case;
		}
		if (Type == PrismEditor)
		{
			AddPrism(Case, Draw, TEXT("Prism1"), 6);
			return Case;
		}
		AddRanges(Case, Draw, { { TEXT("Dimmer"), 0.2f, 1.0f }, { TEXT("GoboAngle"), -1.0f, 1.0f }, { TEXT("Gobo2Angle"), -1.0f, 1.0f },
			{ TEXT("FireAngle"), -1.0f, 1.0f }, { TEXT("BladeAngle"), -0.25f, 0.25f }, { TEXT("Gobo1Shake"), -0.2f, 0.2f },
			{ TEXT("Gobo2Shake"), -0.2f, 0.2f }, { TEXT("Frost"), 0.0f, 1.0f }, { TEXT("Focus"), 0.0f, 1.0f } });
		// Blades now and then a little out of the frame, where the clamps act.
		AddRanges(Case, Draw, { { TEXT("Blade1A"), -0.1f, 0.25f }, { TEXT("Blade1B"), -0.1f, 0.25f }, { TEXT("Blade2A"), -0.1f, 0.25f },
			{ TEXT("Blade2B"), -0.1f, 0.25f }, { TEXT("Blade3A"), -0.1f, 0.25f }, { TEXT("Blade3B"), -0.1f, 0.25f }, { TEXT("Blade4A"), -0.1f, 0.25f },
			{ TEXT("Blade4B"), -0.1f, 0.25f } });
		// The soft iris of the prism image opens towards 1; the hard one closes towards 1, and half the sets
		// leave it open so that the blades' corners show.
		const float Closing = Draw.Whole(0, 1) * Draw.Range(0.0f, 0.5f);
		Case.Add(TEXT("Iris"), S(Type == Light ? Draw.Range(0.4f, 1.0f) : Closing));
		Case.Add(TEXT("FireCenter"), V2(Draw.Range(0.3f, 0.7f), Draw.Range(0.3f, 0.7f)));
		AddWheels(Case, Draw, 4.0f);
		if (Type == Light)
		{
			AddPrism(Case, Draw, TEXT("Prism1"), 4);
			AddPrism(Case, Draw, TEXT("Prism2"), 3);
		}
		return Case;
	}

	/** A point of the set: a UV, or for the beam a view ray through the cone with its depths and the scene depth. */
	void DrawPoint(uint8 Type, FShaderCase& Case, FDraw& Draw)
	{
		if (Type != Beam)
		{
			Case.Add(TEXT("UV"), V2(Draw.Range(0.05f, 0.95f), Draw.Range(0.05f, 0.95f)));
			return;
		}
		const FVector4f AdjOpp = Case[TEXT("AdjOpp")];
		const float Along = Draw.Range(0.1f, 0.9f);
		const float HalfWidth = Case[TEXT("ConeRadius")].X + Along * AdjOpp.Y;
		const F3 Target{ Draw.Range(-1.1f, 1.1f) * HalfWidth, Draw.Range(-1.1f, 1.1f) * HalfWidth, -Along * AdjOpp.X };
		const F3 Eye{ Draw.Range(-4.0f, 4.0f), Draw.Range(-4.0f, 4.0f), Draw.Range(-AdjOpp.X - 1.0f, 2.0f) };
		const F3 Ray = (Target - Eye) * (1.0f / Length(Target - Eye));
		const float NDepth = Draw.Range(0.0f, Length(Target - Eye));
		const float FDepth = NDepth + Draw.Range(1.0f, 5.0f);
		Case.Add(TEXT("NDepth"), S(NDepth));
		Case.Add(TEXT("FDepth"), S(FDepth));
		Case.Add(TEXT("NSlice"), V3(Eye + Ray * NDepth));
		Case.Add(TEXT("FSlice"), V3(Eye + Ray * FDepth));
		Case.Add(TEXT("StepSize"), S((FDepth - NDepth) / Draw.Range(3.0f, 20.0f)));
		Case.Add(TEXT("ScDepth"), S(Draw.Range(NDepth, FDepth + 1.0f)));
	}

	struct FDrawn
	{
		TArray<FShaderCase> Cases;
		TArray<std::string> Labels;
	};

	/** Sets times points cases, each with a value for every value input the template has (and nothing else). */
	FDrawn DrawCases(uint8 Type, int32 NumSets, int32 PointsPerSet, uint64 Seed)
	{
		TArray<FString> Names;
		for (const StandIn::FTemplateInput& Input : StandIn::GetBeamTemplateInputs(Type))
		{
			if (!IsTexture(Input))
			{
				Names.Add(Input.Name);
			}
		}
		FDrawn Drawn;
		FDraw Draw(Seed);
		for (int32 Set = 0; Set < NumSets; ++Set)
		{
			const FShaderCase Shared = DrawSet(Type, Draw);
			for (int32 Point = 0; Point < PointsPerSet; ++Point)
			{
				FShaderCase Case = Shared;
				DrawPoint(Type, Case, Draw);
				FShaderCase Kept;
				for (const FString& Name : Names)
				{
					EXPECT_TRUE(Case.Contains(Name)) << "no value drawn for " << Utf8(Name);
					Kept.Add(Name, Case.FindRef(Name));
				}
				Drawn.Cases.Add(Kept);
				Drawn.Labels.Add("set " + std::to_string(Set) + " point " + std::to_string(Point));
			}
		}
		return Drawn;
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

		/** Compiles a node of that type, then runs its function once per case, all in one dispatch. */
		TArray<FVector4f> Run(uint8 Type, const TArray<FShaderCase>& Cases, const FTextures& Textures = {},
			const FMatrix44f& WorldToLocal = FMatrix44f::Identity)
		{
			StandIn::FMaterialTranslator Translator;
			FNodeInMaterial Made = MakeNode(Type);
			const StandIn::FCustomExpressionRecord* Record = CompileNode(Translator, Made.Node);
			EXPECT_NE(Record, nullptr);
			TArray<FVector4f> Results;
			FString Error;
			EXPECT_TRUE(Record && StandIn::FShaderHarness::Run(*Record, Cases, Textures, Results, Error, WorldToLocal)) << Utf8(Error);
			Results.SetNumZeroed(Cases.Num());
			return Results;
		}

		/** The device and the reference evaluation both give the values worked out by hand; Exact for a zero that must be 0. */
		void ExpectWorked(uint8 Type, const TArray<FShaderCase>& Cases, const TArray<F3>& Expected, const FTextures& Textures = {}, bool bExact = false)
		{
			ASSERT_EQ(Cases.Num(), Expected.Num());
			const TArray<FVector4f> Results = Run(Type, Cases, Textures);
			for (int32 Index = 0; Index < Cases.Num(); ++Index)
			{
				const F3 Reference = EvaluateTemplate(Type, FTemplateInputs{ Cases[Index], Textures });
				const F3 Want = Expected[Index];
				const std::string What = std::string(TypeName(Type)) + " case " + std::to_string(Index) + ":" + Describe(Cases[Index]);
				EXPECT_TRUE(bExact ? Results[Index] == V3(Want) : Agrees(Results[Index], V3(Want)))
					<< "device (" << Results[Index].X << ", " << Results[Index].Y << ", " << Results[Index].Z << ") " << What;
				EXPECT_TRUE(bExact ? V3(Reference) == V3(Want) : Agrees(V3(Reference), V3(Want)))
					<< "reference (" << Reference.X << ", " << Reference.Y << ", " << Reference.Z << ") " << What;
			}
		}

		StandIn::FEditorSession Session;
	};

	class EachTemplate : public TemplateRun, public ::testing::WithParamInterface<int>
	{
	};

	TEST_P(EachTemplate, GivesWhatItModelsOverRandomInputs)
	{
		const uint8 Type = (uint8)GetParam();
		const FDrawn Drawn = DrawCases(Type, 300, 4, 1000 + Type);
		const FTextures Textures = DistinctTextures(Type, 7);
		const FMatrix44f WorldToLocal = TurnedAndScaled();
		const TArray<FVector4f> Results = Run(Type, Drawn.Cases, Textures, WorldToLocal);
		int32 NearEdge = 0;
		int32 Lit = 0;
		int32 Mismatches = 0;
		for (int32 Index = 0; Index < Drawn.Cases.Num(); ++Index)
		{
			const FTemplateInputs In{ Drawn.Cases[Index], Textures, WorldToLocal };
			const F3 Expected = EvaluateTemplate(Type, In);
			if (In.Edges.bNear)
			{
				++NearEdge;
				continue;
			}
			Lit += Expected.X != 0.0f ? 1 : 0;
			if (!Agrees(Results[Index], V3(Expected)) && ++Mismatches <= 5)
			{
				ADD_FAILURE() << TypeName(Type) << " " << Drawn.Labels[Index] << ": got (" << Results[Index].X << ", " << Results[Index].Y << ", "
					<< Results[Index].Z << "), expected (" << Expected.X << ", " << Expected.Y << ", " << Expected.Z << ")\n "
					<< Describe(Drawn.Cases[Index]);
			}
		}
		EXPECT_EQ(Mismatches, 0);
		// Points within rounding of a texel border or a hard edge are left out: only a few.
		EXPECT_LT(NearEdge, Drawn.Cases.Num() / 10);
		EXPECT_GT(Lit, Drawn.Cases.Num() / 3);
	}

	TEST_P(EachTemplate, EveryInputChangesTheResult)
	{
		const uint8 Type = (uint8)GetParam();
		const int32 NumPoints = 4;
		const FDrawn Drawn = DrawCases(Type, 100, NumPoints, 2000 + Type);
		const TArray<FShaderCase>& Base = Drawn.Cases;
		const FTextures Textures = DistinctTextures(Type, 11);
		TArray<FShaderCase> Cases = Base;
		TArray<FString> Names;
		Base[0].GetKeys(Names);
		for (const FString& Name : Names)
		{
			for (int32 Index = 0; Index < Base.Num(); ++Index)
			{
				FShaderCase Changed = Base[Index];
				Changed[Name] = Base[(Index + NumPoints + 1) % Base.Num()].FindRef(Name);
				Cases.Add(Changed);
			}
		}
		const TArray<FVector4f> Results = Run(Type, Cases, Textures);
		for (int32 NameIndex = 0; NameIndex < Names.Num(); ++NameIndex)
		{
			bool bChanged = false;
			for (int32 Index = 0; Index < Base.Num(); ++Index)
			{
				bChanged |= !Agrees(Results[Index], Results[(NameIndex + 1) * Base.Num() + Index]);
			}
			EXPECT_TRUE(bChanged) << TypeName(Type) << " does not follow " << Utf8(Names[NameIndex]);
		}
		for (const TPair<FString, FShaderTexture>& Texture : Textures)
		{
			FTextures Swapped = Textures;
			Swapped[Texture.Key] = Distinct(Texture.Value.bVolume, 99);
			const TArray<FVector4f> Resampled = Run(Type, Base, Swapped);
			bool bChanged = false;
			for (int32 Index = 0; Index < Base.Num(); ++Index)
			{
				bChanged |= !Agrees(Results[Index], Resampled[Index]);
			}
			EXPECT_TRUE(bChanged) << TypeName(Type) << " does not sample " << Utf8(Texture.Key);
		}
	}

	// 200: a stored byte outside the enumeration, which compiles the Other template.
	INSTANTIATE_TEST_SUITE_P(Templates, EachTemplate, ::testing::Values(0, 1, 2, 3, 200),
		[](const ::testing::TestParamInfo<int>& Info)
		{
			return std::string(TypeName(Info.param));
		});

	/** The named texture 1 in every channel in its centre texel only: lit where the template samples (0.5, 0.5). */
	FTextures CentreMarkAs(const TCHAR* Name)
	{
		FShaderTexture Texture = FShaderTexture::Filled(21, 21, FLinearColor(0.0f, 0.0f, 0.0f, 0.0f));
		Texture.At(10, 10) = FLinearColor(1.0f, 1.0f, 1.0f, 1.0f);
		FTextures Textures;
		Textures.Add(FString(Name), Texture);
		return Textures;
	}

	/** The case with those values added or replaced. */
	FShaderCase With(FShaderCase Case, std::initializer_list<std::pair<const TCHAR*, FVector4f>> Values)
	{
		for (const std::pair<const TCHAR*, FVector4f>& Value : Values)
		{
			Case.Add(Value.first, Value.second);
		}
		return Case;
	}

	/** The first prism's inputs: Num copies 0.2 from the centre at full scale. */
	FShaderCase FirstPrism(FShaderCase Case, float Num, float MatrixArrange, float Pos)
	{
		return With(Case, { { TEXT("Prism1Num"), S(Num) }, { TEXT("Prism1Radius"), S(0.2f) }, { TEXT("Prism1MatrixArrange"), S(MatrixArrange) },
			{ TEXT("Prism1Pos"), S(Pos) }, { TEXT("Prism1Scale"), S(1.0f) } });
	}

	/** The projected-image inputs with an open light: white wheels, blades out, no frost; Iris as given. */
	FShaderCase OpenLight(float Iris = 0.0f)
	{
		return With({}, { { TEXT("Dimmer"), S(1.0f) }, { TEXT("NumGobos"), S(1.0f) }, { TEXT("NumGobos2"), S(1.0f) }, { TEXT("NumColors"), S(1.0f) },
			{ TEXT("FireCenter"), V2(0.5f, 0.5f) }, { TEXT("Iris"), S(Iris) } });
	}

	/** One case a point: the shared inputs with the point as UV. */
	TArray<FShaderCase> CasesAt(const FShaderCase& Shared, const TArray<FVector4f>& Points)
	{
		TArray<FShaderCase> Cases;
		for (const FVector4f& Point : Points)
		{
			FShaderCase Case = Shared;
			Case.Add(TEXT("UV"), Point);
			Cases.Add(Case);
		}
		return Cases;
	}

	TArray<F3> Grey(const TArray<float>& Values)
	{
		TArray<F3> Colors;
		for (const float Value : Values)
		{
			Colors.Add(F3{ Value, Value, Value });
		}
		return Colors;
	}

	TEST_F(TemplateRun, PrismEditorPlacesCopiesOnALineAtHalvingRadiiOrOnACircle)
	{
		// Copies at 90, 270, 450, 630 and 810 degrees with radii 0.2, 0.2, 0.1, 0.1 and 0: each lit spot shows DIM.
		TArray<FShaderCase> Cases = CasesAt(FirstPrism({}, 5.0f, 1.0f, 90.0f), { V2(0.5f, 0.7f), V2(0.5f, 0.3f), V2(0.5f, 0.6f), V2(0.5f, 0.4f), V2(0.5f, 0.5f),
			V2(0.5f, 0.8f), V2(0.5f, 0.2f), V2(0.7f, 0.5f), V2(0.6f, 0.5f) });
		// Otherwise evenly on a circle: four copies at 0, 90, 180 and 270 degrees.
		Cases.Append(CasesAt(FirstPrism({}, 4.0f, 0.0f, 0.0f), { V2(0.7f, 0.5f), V2(0.5f, 0.7f), V2(0.3f, 0.5f), V2(0.5f, 0.3f), V2(0.5f, 0.5f) }));
		ExpectWorked(PrismEditor, Cases, Grey({ 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.0f, 0.0f, 0.0f, 0.0f, 0.5f, 0.5f, 0.5f, 0.5f, 0.0f }),
			CentreMarkAs(TEXT("TXTpGobo")));
	}

	TEST_F(TemplateRun, LightPlacesTheFirstPrismsCopiesAsThePrismEditorDoes)
	{
		const FShaderCase Shared = With(FirstPrism(OpenLight(1.0f), 5.0f, 1.0f, 0.0f), { { TEXT("Prism2Num"), S(1.0f) }, { TEXT("Prism2Scale"), S(1.0f) } });
		ExpectWorked(Light,
			CasesAt(Shared, { V2(0.7f, 0.5f), V2(0.3f, 0.5f), V2(0.6f, 0.5f), V2(0.4f, 0.5f), V2(0.5f, 0.5f), V2(0.8f, 0.5f), V2(0.5f, 0.7f) }),
			Grey({ 1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.0f }), CentreMarkAs(TEXT("TXTpMask")));
	}

	TEST_F(TemplateRun, AnIrisOfOneClosesRTAndOtherToTheCentre)
	{
		TArray<FShaderCase> Cases = CasesAt(OpenLight(1.0f), { V2(0.5f, 0.5f), V2(0.5f, 0.52f), V2(0.8f, 0.5f) });
		Cases.Append(CasesAt(OpenLight(0.0f), { V2(0.5f, 0.5f), V2(0.5f, 0.52f), V2(0.8f, 0.5f) }));
		ExpectWorked(RT, Cases, Grey({ 1.0f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f }));
		// Soft blades at the centre: each of the four factors is 0.5; at (0.8, 0.5) 0.5 * 0.2 * 0.5 * 0.8.
		ExpectWorked(200, Cases, Grey({ 0.0625f, 0.0f, 0.0f, 0.0625f, 0.52f * 0.5f * 0.48f * 0.5f, 0.04f }));
	}

	TEST_F(TemplateRun, TheOtherTemplateRotatesTheGoboByTurns)
	{
		// A quarter turn samples the gobo at (0.5 - (y - 0.5), x): UV (0.7, 0.1) sees the gobo's (0.9, 0.7).
		FShaderTexture Gobo = FShaderTexture::Filled(5, 5, FLinearColor(0.0f, 0.0f, 0.0f, 0.0f));
		Gobo.At(4, 3) = FLinearColor(1.0f, 1.0f, 1.0f, 1.0f);
		const FShaderCase Shared = With(OpenLight(), { { TEXT("GoboAngle"), S(0.25f) } });
		FTextures Textures;
		Textures.Add(TEXT("TXTpGobo"), Gobo);
		// Soft blades at (0.7, 0.1): 0.1 * 0.3 * 0.9 * 0.7; nothing where the unturned gobo or a turn the other way has it.
		ExpectWorked(100, CasesAt(Shared, { V2(0.7f, 0.1f), V2(0.9f, 0.7f), V2(0.8f, 0.9f) }), Grey({ 0.1f * 0.3f * 0.9f * 0.7f, 0.0f, 0.0f }), Textures);
	}

	TEST_F(TemplateRun, AnRTBladeCutsHardAndTheColourStripSelectsItsImage)
	{
		FShaderTexture Wheel = FShaderTexture::Filled(4, 1, FLinearColor(0.0f, 0.0f, 0.0f, 1.0f));
		Wheel.At(1, 0) = FLinearColor(0.0f, 1.0f, 0.0f, 1.0f);
		Wheel.At(2, 0) = FLinearColor(0.0f, 0.0f, 1.0f, 1.0f);
		Wheel.At(3, 0) = FLinearColor(1.0f, 1.0f, 0.0f, 1.0f);
		FTextures Textures;
		Textures.Add(TEXT("TXTpColor"), Wheel);
		const FShaderCase Shared = With(OpenLight(),
			{ { TEXT("Blade1A"), S(0.3f) }, { TEXT("Blade1B"), S(0.3f) }, { TEXT("NumColors"), S(4.0f) }, { TEXT("ColorIndex"), S(2.0f) } });
		TArray<FShaderCase> Cases = CasesAt(Shared, { V2(0.5f, 0.2f), V2(0.5f, 0.29f), V2(0.5f, 0.31f), V2(0.5f, 0.6f) });
		Cases[3].Add(TEXT("ColorIndex"), S(3.0f));
		ExpectWorked(RT, Cases, { F3{ 0, 0, 0 }, F3{ 0, 0, 0 }, F3{ 0, 0, 1 }, F3{ 1, 1, 0 } }, Textures);
	}

	/** A beam along -z from the fixture: a cone 10 long, 0.1 at the lens and 1.1 at the end. */
	FShaderCase BeamCase(float NDepth, float FDepth, float StepSize)
	{
		return With({}, { { TEXT("NDepth"), S(NDepth) }, { TEXT("FDepth"), S(FDepth) }, { TEXT("NSlice"), V3(0.0f, 0.0f, -NDepth) },
			{ TEXT("FSlice"), V3(0.0f, 0.0f, -FDepth) }, { TEXT("StepSize"), S(StepSize) }, { TEXT("AdjOpp"), V2(10.0f, 1.0f) },
			{ TEXT("ConeRadius"), S(0.1f) }, { TEXT("MaxDistance"), S(20.0f) }, { TEXT("ScDepth"), S(100000.0f) }, { TEXT("SoftClipSize"), S(1.0f) },
			{ TEXT("NumGobos"), S(1.0f) }, { TEXT("NumColors"), S(1.0f) }, { TEXT("DMXColor"), V3(1.0f, 0.5f, 0.25f) } });
	}

	TEST_F(TemplateRun, BeamIsBlackWhenTheDepthSpanIsShorterThanOneStepOrOutsideTheCone)
	{
		const FShaderCase Beside = With(BeamCase(1.0f, 9.0f, 1.0f), { { TEXT("NSlice"), V3(5.0f, 0.0f, -1.0f) }, { TEXT("FSlice"), V3(5.0f, 0.0f, -9.0f) } });
		const FShaderCase Behind = With(BeamCase(1.0f, 9.0f, 1.0f), { { TEXT("NSlice"), V3(0.0f, 0.0f, 1.0f) }, { TEXT("FSlice"), V3(0.0f, 0.0f, 9.0f) } });
		// Half a step, just short of a step, the far point before the near one; beside the cone, behind the fixture.
		ExpectWorked(Beam, { BeamCase(1.0f, 1.5f, 1.0f), BeamCase(1.0f, 1.99f, 1.0f), BeamCase(5.0f, 1.0f, 1.0f), Beside, Behind },
			Grey({ 0.0f, 0.0f, 0.0f, 0.0f, 0.0f }), {}, true);
	}

	TEST_F(TemplateRun, BeamAveragesItsStepsAndDarkensByTheNoise)
	{
		// Eight samples at 1, 2, ..., 8 on the axis: the sum of falloff over distance squared, an eighth each.
		double Sum = 0.0;
		for (int32 Step = 0; Step < 8; ++Step)
		{
			const double Dist = 1.0 + Step;
			Sum += (1.0 / 8.0) * (1.0 / (Dist * Dist)) * (1.0 - Dist / 20.0);
		}
		const FShaderCase Noisy = With(BeamCase(1.0f, 9.0f, 1.0f),
			{ { TEXT("NoiseEnable"), S(1.0f) }, { TEXT("NoiseScale"), S(1.0f) }, { TEXT("NoiseGamma"), S(1.0f) }, { TEXT("NoiseIntensity"), S(1.0f) } });
		FTextures Textures;
		Textures.Add(TEXT("NoiseTexture"), FShaderTexture::FilledVolume(2, FLinearColor(0.25f, 0.0f, 0.0f, 1.0f)));
		// pow(lerp(1, 0.25^1, 1), 0.5) = 0.5
		const float Plain = (float)Sum;
		ExpectWorked(Beam, { BeamCase(1.0f, 9.0f, 1.0f), Noisy }, { F3{ Plain, 0.5f * Plain, 0.25f * Plain }, F3{ 0.5f * Plain, 0.25f * Plain, 0.125f * Plain } },
			Textures);
	}
}
