// What each beam template computes, evaluated in plain float arithmetic from the optics it models: gobo,
// colour and fire wheels, frost and focus, blades, iris, prisms, and the march through the beam cone.
// It models the harness's sampler too (nearest texel, wrapping, explicit nearest mip). The runs on the
// Vulkan device are compared with it.
#pragma once

#include "StandInTesting/ShaderHarness.h"

#include <cmath>

namespace ZORMaterialTest
{
	struct F2 { float X = 0.0f; float Y = 0.0f; };
	inline F2 operator+(F2 A, F2 B) { return { A.X + B.X, A.Y + B.Y }; }
	inline F2 operator-(F2 A, F2 B) { return { A.X - B.X, A.Y - B.Y }; }
	inline F2 operator+(F2 A, float B) { return { A.X + B, A.Y + B }; }
	inline F2 operator-(F2 A, float B) { return { A.X - B, A.Y - B }; }
	inline F2 operator*(F2 A, float B) { return { A.X * B, A.Y * B }; }

	struct F3 { float X = 0.0f; float Y = 0.0f; float Z = 0.0f; };
	inline F3 operator+(F3 A, F3 B) { return { A.X + B.X, A.Y + B.Y, A.Z + B.Z }; }
	inline F3 operator-(F3 A, F3 B) { return { A.X - B.X, A.Y - B.Y, A.Z - B.Z }; }
	inline F3 operator*(F3 A, F3 B) { return { A.X * B.X, A.Y * B.Y, A.Z * B.Z }; }
	inline F3 operator*(F3 A, float B) { return { A.X * B, A.Y * B, A.Z * B }; }
	inline float Dot(F3 A, F3 B) { return A.X * B.X + A.Y * B.Y + A.Z * B.Z; }
	inline float Length(F3 A) { return std::sqrt(Dot(A, A)); }
	inline float Saturate(float V) { return V < 0.0f ? 0.0f : (V > 1.0f ? 1.0f : V); }
	inline float Lerp(float A, float B, float T) { return A + (B - A) * T; }

	/**
	 * Whether an evaluation came within float rounding of a hard edge (a texel border, a cut, the
	 * step count): there the device and this evaluation may fall on different sides.
	 */
	struct FEdges
	{
		bool bNear = false;

		void Check(float Distance, float Margin) { bNear |= !(std::fabs(Distance) >= Margin); }
	};

	/** A case's inputs, its textures and the primitive's world-to-local matrix, as the function sees them. */
	struct FTemplateInputs
	{
		const StandIn::FShaderCase& Case;
		const TMap<FString, StandIn::FShaderTexture>& Textures;
		FMatrix44f WorldToLocal = FMatrix44f::Identity;
		mutable FEdges Edges;

		/** A scalar input, a float2's or a float3's components; an input the case leaves out is 0. */
		float operator()(const TCHAR* Name) const { return Case.FindRef(Name).X; }
		F2 Two(const TCHAR* Name) const { return { Case.FindRef(Name).X, Case.FindRef(Name).Y }; }
		F3 Three(const TCHAR* Name) const { return { Case.FindRef(Name).X, Case.FindRef(Name).Y, Case.FindRef(Name).Z }; }

		/** The texel the sampler picks: floor(coordinate * extent) wrapped, at the mip clamped to the texture's. */
		FLinearColor Sample(const TCHAR* Name, F3 Coordinate, float Mip = 0.0f) const
		{
			static const StandIn::FShaderTexture White2D = StandIn::FShaderTexture::Filled(1, 1, FLinearColor::White);
			static const StandIn::FShaderTexture White3D = StandIn::FShaderTexture::FilledVolume(1, FLinearColor::White);
			const StandIn::FShaderTexture* Given = Textures.Find(Name);
			const StandIn::FShaderTexture& Texture = Given ? *Given : (FString(Name) == TEXT("NoiseTexture") ? White3D : White2D);
			const int32 Level = FMath::Clamp((int32)std::floor(Mip + 0.5f), 0, Texture.NumMips - 1);
			const float Coordinates[3] = { Coordinate.X, Coordinate.Y, Coordinate.Z };
			const int32 Extents[3] = { Texture.Width, Texture.Height, Texture.bVolume ? Texture.Depth : 1 };
			int32 Texel[3] = { 0, 0, 0 };
			for (int32 Axis = 0; Axis < (Texture.bVolume ? 3 : 2); ++Axis)
			{
				const int32 Extent = StandIn::FShaderTexture::MipExtent(Extents[Axis], Level);
				const float Scaled = Coordinates[Axis] * (float)Extent;
				const float Whole = std::floor(Scaled);
				const float Margin = 3e-4f + 1e-6f * std::fabs(Scaled);
				Edges.Check(Scaled - Whole, Margin);
				Edges.Check(Scaled - Whole - 1.0f, Margin);
				Texel[Axis] = std::isfinite(Whole) ? (int32)(((int64)Whole % Extent + Extent) % Extent) : 0;
			}
			return Texture.At(Texel[0], Texel[1], Texel[2], Level);
		}
		FLinearColor Sample(const TCHAR* Name, F2 UV) const { return Sample(Name, F3{ UV.X, UV.Y, 0.0f }); }

		/** A hard cut: 1 past the edge, 0 before it. */
		float Past(float Difference) const
		{
			Edges.Check(Difference, 1e-4f);
			return Difference > 0.0f ? 1.0f : 0.0f;
		}
	};

	const float EnginePi = 3.14159265358979f;

	/** Rotation about the image centre by rows (cos, sin) and (-sin, cos). */
	inline F2 TurnAboutCentre(F2 UV, float Radians)
	{
		const F2 D = UV - 0.5f;
		return F2{ std::cos(Radians) * D.X + std::sin(Radians) * D.Y, -std::sin(Radians) * D.X + std::cos(Radians) * D.Y } + 0.5f;
	}

	/** An angle in turns, pi written as 3.1415; Direction -1 turns the other way. */
	inline float FromTurns(float Turns, float Direction) { return Turns * 3.1415f * (Direction * 360.0f) / 180.0f; }

	/** The image of a wheel strip of Num images, scrolled. */
	inline float OnStrip(float X, float Num, float Index, float Scroll) { return X / Num + Index / Num + Scroll; }

	/** How often a loop over a count input runs: never for a count below 1. */
	inline int32 LoopCount(float Num) { return Num > 0.0f ? (int32)Num : 0; }

	/** A prism copy's offset; Radius is the running radius, which a line arrangement draws inwards pair by pair. */
	inline F2 PrismOffset(int32 Copy, float Num, float MatrixArrange, float Pos, float StartRadius, float& Radius)
	{
		const bool bLine = MatrixArrange == 1.0f;
		const float Degrees = bLine ? 180.0f * (float)Copy + Pos : 360.0f * (1.0f / Num) * (float)Copy + Pos;
		const float Radians = 2.0f * EnginePi * Degrees * (1.0f / 360.0f);
		if (bLine && Copy % 2 == 0 && Copy != 0)
		{
			Radius -= StartRadius / (Num - 1.0f) * 2.0f;
		}
		return F2{ std::cos(Radians), std::sin(Radians) } * Radius;
	}

	/** Wheel images, mask and colour at their final UVs, frosted and focused: image * mask * colour. */
	inline F3 FocusedImage(const FTemplateInputs& In, F2 GoboUV, F2 Gobo2UV, F2 MaskUV, F2 ColorUV, F2 FireUV)
	{
		GoboUV.X = OnStrip(GoboUV.X, In(TEXT("NumGobos")), In(TEXT("GoboIndex")), In(TEXT("Time")) * In(TEXT("GoboScrollingSpeed")));
		Gobo2UV.X = OnStrip(Gobo2UV.X, In(TEXT("NumGobos2")), In(TEXT("Gobo2Index")), In(TEXT("Time")) * In(TEXT("Gobo2ScrollingSpeed")));
		ColorUV.X = OnStrip(ColorUV.X, In(TEXT("NumColors")), In(TEXT("ColorIndex")),
			(In(TEXT("Time")) - In(TEXT("CurrentTime"))) * In(TEXT("ColorScrollingSpeed")));
		const float Mask = In.Sample(TEXT("TXTpMask"), MaskUV).R;
		const float Gobo = In.Sample(TEXT("TXTpGobo"), GoboUV).R;
		const float Gobo2 = In.Sample(TEXT("TXTpGobo2"), Gobo2UV).R;
		const float GoboFrosted = In.Sample(TEXT("TXTpGoboFrosted"), GoboUV).R;
		const float Gobo2Frosted = In.Sample(TEXT("TXTpGoboFrosted2"), Gobo2UV).R;
		const FLinearColor Color = In.Sample(TEXT("TXTpColor"), ColorUV);
		const float Fire = In.Sample(TEXT("TXTpFire"), FireUV).R;
		const float FireFrosted = In.Sample(TEXT("TXTpFireFrosted"), FireUV).R;
		const float Frost = In(TEXT("Frost"));
		const float Sharp = Lerp(Gobo, GoboFrosted, Frost) * Lerp(Gobo2, Gobo2Frosted, Frost) * Lerp(Fire, FireFrosted, Frost);
		const float Image = Lerp(Sharp, FireFrosted * GoboFrosted * Gobo2Frosted, In(TEXT("Focus")));
		return F3{ Color.R, Color.G, Color.B } * (Image * Mask);
	}

	/** Gobo and fire wheels turned by their angles (positive turns; the fire the other way), fire scaled and offset. */
	inline F3 TurnedWheelsImage(const FTemplateInputs& In, F2 GoboUV, F2 Gobo2UV, F2 MaskUV, F2 ColorUV)
	{
		const F2 FireUV = TurnAboutCentre((MaskUV - In.Two(TEXT("FireCenter"))) * 0.3f + F2{ 0.0f, 0.35f }, FromTurns(In(TEXT("FireAngle")), -1.0f));
		return FocusedImage(In, TurnAboutCentre(GoboUV, FromTurns(In(TEXT("GoboAngle")), 1.0f)),
			TurnAboutCentre(Gobo2UV, FromTurns(In(TEXT("Gobo2Angle")), 1.0f)), MaskUV, ColorUV, FireUV);
	}

	/** Open where the UV is no farther from the centre than the iris lets through. */
	inline float HardIris(const FTemplateInputs& In, F2 UV)
	{
		const F2 D = UV - 0.5f;
		const float Distance = std::sqrt(D.X * D.X + D.Y * D.Y);
		const float Open = 0.5f * (1.0f - In(TEXT("Iris")));
		In.Edges.Check(Distance - Open, 1e-4f);
		return Distance <= Open ? 1.0f : 0.0f;
	}

	inline F3 EvaluatePrismEditor(const FTemplateInputs& In)
	{
		const float Num = In(TEXT("Prism1Num"));
		const float StartRadius = In(TEXT("Prism1Radius"));
		float Radius = StartRadius;
		float Sum = 0.0f;
		for (int32 Copy = 0; Copy < LoopCount(Num); ++Copy)
		{
			const F2 Offset = PrismOffset(Copy, Num, In(TEXT("Prism1MatrixArrange")), In(TEXT("Prism1Pos")), StartRadius, Radius);
			const F2 UV = ((In.Two(TEXT("UV")) - 0.5f) - Offset) * In(TEXT("Prism1Scale")) + 0.5f;
			Sum += In.Sample(TEXT("TXTpGobo"), UV).A * 0.5f;
		}
		return { Sum, Sum, Sum };
	}

	inline F3 EvaluateRT(const FTemplateInputs& In)
	{
		const F2 UV = In.Two(TEXT("UV"));
		// UV - 0.5 as a row vector times the rows (cos b, -sin b) and (sin b, cos b): the turn by b.
		const F2 BladeUV = TurnAboutCentre(UV, In(TEXT("BladeAngle")) * EnginePi * 2.0f);
		const float Top = In(TEXT("Blade1A")) + (In(TEXT("Blade1B")) - In(TEXT("Blade1A"))) * BladeUV.X;
		const float Right = In(TEXT("Blade2A")) + (In(TEXT("Blade2B")) - In(TEXT("Blade2A"))) * BladeUV.Y;
		const float Bottom = In(TEXT("Blade3B")) + (In(TEXT("Blade3A")) - In(TEXT("Blade3B"))) * BladeUV.X;
		const float Left = In(TEXT("Blade4B")) + (In(TEXT("Blade4A")) - In(TEXT("Blade4B"))) * BladeUV.Y;
		const float Blades = In.Past(BladeUV.Y - Top) * In.Past((1.0f - Right) - BladeUV.X) * In.Past((1.0f - Bottom) - BladeUV.Y)
			* In.Past(BladeUV.X - Left) * HardIris(In, UV);
		const F3 Image = TurnedWheelsImage(In, UV - F2{ In(TEXT("Gobo1Shake")), 0.0f }, UV - F2{ In(TEXT("Gobo2Shake")), 0.0f }, UV, UV);
		return Image * (In(TEXT("Dimmer")) * Blades);
	}

	/** A soft blade through A and B: the two edge ramps of slope 30 along its line, A - B or B - A by Direction. */
	inline float SoftBlade(F2 P, F2 A, F2 B, float Direction)
	{
		const F2 L = (A - B) * Direction;
		auto Cross = [](F2 U, F2 V) { return U.X * V.Y - U.Y * V.X; };
		return FMath::Clamp(30.0f * Cross(P - B, L), 0.0f, 1.0f) * FMath::Clamp(30.0f * Cross(P - A, L), 0.0f, 1.0f);
	}

	inline F3 EvaluateLight(const FTemplateInputs& In)
	{
		const F2 UV = In.Two(TEXT("UV"));
		const float Num1 = In(TEXT("Prism1Num"));
		const float Num2 = In(TEXT("Prism2Num"));
		const float Start1 = In(TEXT("Prism1Radius"));
		const float Start2 = In(TEXT("Prism2Radius"));
		float Radius1 = Start1;
		F3 Sum;
		for (int32 Copy1 = 0; Copy1 < LoopCount(Num1); ++Copy1)
		{
			const F2 Offset1 = PrismOffset(Copy1, Num1, In(TEXT("Prism1MatrixArrange")), In(TEXT("Prism1Pos")), Start1, Radius1);
			float Radius2 = Start2;
			for (int32 Copy2 = 0; Copy2 < LoopCount(Num2); ++Copy2)
			{
				const F2 Offset2 = PrismOffset(Copy2, Num2, In(TEXT("Prism2MatrixArrange")), In(TEXT("Prism2Pos")), Start2, Radius2);
				auto ThroughPrisms = [&](float Shake)
				{
					return ((((UV - F2{ Offset2.X + Shake, Offset2.Y }) - 0.5f) * In(TEXT("Prism2Scale")) + 0.5f - Offset1) - 0.5f) * In(TEXT("Prism1Scale")) + 0.5f;
				};
				const F2 MaskUV = ThroughPrisms(0.0f);
				const F2 D = MaskUV - 0.5f;
				const float Distance = std::sqrt(D.X * D.X + D.Y * D.Y);
				const float IrisEdge = Saturate((1.0f - Saturate(Distance - (In(TEXT("Iris")) - 1.0f))) * (In(TEXT("Frost")) * (-14.0f) + 15.0f));
				const F2 P = TurnAboutCentre(MaskUV, FromTurns(In(TEXT("BladeAngle")), -1.0f));
				const float Blades = SoftBlade(P, F2{ 0.0f, In(TEXT("Blade1A")) }, F2{ 1.0f, In(TEXT("Blade1B")) }, 1.0f)
					* SoftBlade(P, F2{ 1.0f - Saturate(In(TEXT("Blade2B"))), 1.0f }, F2{ 1.0f - Saturate(In(TEXT("Blade2A"))), 0.0f }, -1.0f)
					* SoftBlade(P, F2{ 0.0f, 1.0f - In(TEXT("Blade3B")) }, F2{ 1.0f, 1.0f - Saturate(In(TEXT("Blade3A"))) }, -1.0f)
					* SoftBlade(P, F2{ Saturate(In(TEXT("Blade4A"))), 1.0f }, F2{ Saturate(In(TEXT("Blade4B"))), 0.0f }, 1.0f) * IrisEdge;
				const F3 Image = TurnedWheelsImage(In, ThroughPrisms(In(TEXT("Gobo1Shake"))), ThroughPrisms(In(TEXT("Gobo2Shake"))), MaskUV, MaskUV);
				Sum = Sum + Image * (In(TEXT("Dimmer")) * Blades);
			}
		}
		return Sum;
	}

	/** The Other template's turn by turns, rows (cos, -sin) and (sin, cos): the other way round. */
	inline F2 RotateByTurns(F2 UV, float Turns) { return TurnAboutCentre(UV, -(Turns * EnginePi * 2.0f)); }

	inline F3 EvaluateOther(const FTemplateInputs& In)
	{
		const F2 UV = In.Two(TEXT("UV"));
		const F2 BladeUV = RotateByTurns(UV, In(TEXT("BladeAngle")));
		const float Top = Lerp(In(TEXT("Blade1A")), In(TEXT("Blade1B")), BladeUV.X);
		const float Right = Lerp(In(TEXT("Blade2A")), In(TEXT("Blade2B")), BladeUV.Y);
		const float Bottom = Lerp(In(TEXT("Blade3B")), In(TEXT("Blade3A")), BladeUV.X);
		const float Left = Lerp(In(TEXT("Blade4B")), In(TEXT("Blade4A")), BladeUV.Y);
		const float Blades = Saturate(BladeUV.Y - Top) * Saturate(1.0f - Right - BladeUV.X) * Saturate(1.0f - Bottom - BladeUV.Y)
			* Saturate(BladeUV.X - Left) * HardIris(In, UV);
		const F3 Image = FocusedImage(In, RotateByTurns(UV, In(TEXT("GoboAngle"))), RotateByTurns(UV, In(TEXT("Gobo2Angle"))), UV, UV,
			RotateByTurns(UV - In.Two(TEXT("FireCenter")), -In(TEXT("FireAngle"))));
		return Image * (In(TEXT("Dimmer")) * Blades);
	}

	/** P turned by Radians about the unit axis A. */
	inline F3 TurnAboutAxis(F3 P, F3 A, float Radians)
	{
		const F3 Along = A * Dot(A, P);
		const F3 Across = P - Along;
		const F3 Normal{ A.Y * Across.Z - A.Z * Across.Y, A.Z * Across.X - A.X * Across.Z, A.X * Across.Y - A.Y * Across.X };
		return Along + Across * std::cos(Radians) + Normal * std::sin(Radians);
	}

	inline F3 EvaluateBeam(const FTemplateInputs& In)
	{
		const float NDepth = In(TEXT("NDepth"));
		const float StepSize = In(TEXT("StepSize"));
		const float StepRatio = (In(TEXT("FDepth")) - NDepth) / StepSize;
		In.Edges.Check(StepRatio - std::round(StepRatio), 1e-4f * FMath::Max(1.0f, std::fabs(StepRatio)));
		const int32 NumSteps = StepRatio >= 1.0f ? (int32)std::floor(StepRatio) : 0;
		const F3 Toward = In.Three(TEXT("FSlice")) - In.Three(TEXT("NSlice"));
		const F3 StepVector = Toward * (StepSize / Length(Toward));

		const bool bNoise = In(TEXT("NoiseEnable")) != 0.0f;
		const auto& M = In.WorldToLocal.M;
		const float AngleX = std::atan2(M[2][1], M[2][2]);
		const float AngleY = std::atan2(-M[2][0], std::sqrt(M[2][1] * M[2][1] + M[2][2] * M[2][2]));
		const float AngleZ = std::atan2(M[1][0], M[0][0]);

		const float Direction = (In(TEXT("WindDirection")) + 180.0f) * EnginePi / 180.0f;
		const float Elevation = -In(TEXT("WindElevation")) * EnginePi / 180.0f;
		const F3 Wind{ std::cos(Elevation) * std::cos(Direction), std::sin(Elevation), std::cos(Elevation) * std::sin(Direction) };
		const F3 NoiseVelocity = Wind * (In(TEXT("WindSpeed")) * 100000.0f / 3600.0f);

		const float Adj = In.Two(TEXT("AdjOpp")).X;
		const float Opp = In.Two(TEXT("AdjOpp")).Y + In(TEXT("ConeRadius"));
		const float NoiseScale = In(TEXT("NoiseScale"));
		const float Gamma = In(TEXT("NoiseGamma"));
		F3 Sum;
		float Noise = 1.0f;
		for (int32 Step = 0; Step < NumSteps; ++Step)
		{
			F3 Pos = In.Three(TEXT("NSlice")) + StepVector * (float)Step;
			const float Depth = NDepth + StepSize * (float)Step;
			const float Dist = Length(Pos);
			const float Falloff = 1.0f - Dist / In(TEXT("MaxDistance"));
			// Into the unit cone volume: the lens at z 0, the cone's end at z 1, then centred.
			F3 Local = Pos * F3{ 1.0f / (2.0f * Opp), 1.0f / (2.0f * Opp), -1.0f / Adj };
			const float R = In(TEXT("ConeRadius")) / Opp;
			const float Widen = Local.Z * (1.0f - R) + R;
			Local = F3{ Local.X / Widen, Local.Y / Widen, Local.Z - 0.5f };
			In.Edges.Check(std::fabs(Local.X) - 0.5f, 1e-4f);
			In.Edges.Check(std::fabs(Local.Y) - 0.5f, 1e-4f);
			In.Edges.Check(std::fabs(Local.Z) - 0.5f, 1e-4f);
			if (!(std::fabs(Local.X) < 0.5f && std::fabs(Local.Y) < 0.5f && std::fabs(Local.Z) < 0.5f))
			{
				continue;
			}
			// The noise of a step outside the cone is never used.
			if (bNoise)
			{
				F3 P = TurnAboutAxis(Pos, F3{ 1.0f, 0.0f, 0.0f }, AngleX);
				P = TurnAboutAxis(P, F3{ 0.0f, 1.0f, 0.0f }, AngleY);
				P = TurnAboutAxis(P, F3{ 0.0f, 0.0f, 1.0f }, AngleZ) - In.Three(TEXT("ObjectPosition"));
				const F3 Coordinate = P * (NoiseScale * 0.00003f) + NoiseVelocity * (NoiseScale * In(TEXT("Time")) / 3333.0f);
				const float Raw = In.Sample(TEXT("NoiseTexture"), Coordinate, In(TEXT("NoiseMip"))).R;
				Noise = std::pow(Lerp(1.0f, std::pow(Raw, Gamma), In(TEXT("NoiseIntensity"))), Gamma * 0.5f);
			}
			const float Clip = Saturate((In(TEXT("ScDepth")) - Depth) / In(TEXT("SoftClipSize")));
			const F2 UV{ Saturate(Local.X + 0.5f), Saturate(Local.Y + 0.5f) };
			const F2 GoboUV{ OnStrip(UV.X, In(TEXT("NumGobos")), In(TEXT("GoboIndex")), In(TEXT("Time")) * In(TEXT("GoboScrollingSpeed"))), UV.Y };
			const F2 ColorUV{ OnStrip(UV.X, In(TEXT("NumColors")), In(TEXT("ColorIndex")),
				(In(TEXT("Time")) - In(TEXT("CurrentTime"))) * In(TEXT("ColorScrollingSpeed"))), UV.Y };
			const FLinearColor Gobo = In.Sample(TEXT("TXTpGobo"), GoboUV);
			const FLinearColor Color = In.Sample(TEXT("TXTpColor"), ColorUV);
			const F3 Lit = F3{ Color.R, Color.G, Color.B } * In.Three(TEXT("DMXColor")) * F3{ Gobo.R, Gobo.G, Gobo.B };
			Sum = Sum + Lit * ((1.0f / (float)NumSteps) * Noise * Clip * (1.0f / (Dist * Dist)) * Falloff);
		}
		return Sum;
	}

	/** The template a node of that type compiles, evaluated for one case. */
	inline F3 EvaluateTemplate(uint8 Type, const FTemplateInputs& In)
	{
		switch (Type)
		{
		case 0:
			return EvaluatePrismEditor(In);
		case 1:
			return EvaluateLight(In);
		case 2:
			return EvaluateBeam(In);
		case 3:
			return EvaluateRT(In);
		case 4:
			return { 1.0f, 1.0f, 1.0f };
		default:
			return EvaluateOther(In);
		}
	}
}
