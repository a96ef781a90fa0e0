// The projected light image multiplied by two nested prisms, with soft blades and a frosted iris edge.
#include "MaterialExpressionZOR.h"

FString UMaterialExpressionZOR::GetLightCode()
{
	return TEXT(R"ZORHLSL(float3 cumul = float3(0.0, 0.0, 0.0);
float DIM = Dimmer;
float M1 = Prism1Radius;
float M2 = Prism2Radius;

float GoboRad = GoboAngle * 3.1415 * 360.0 / 180.0;
float2 GoboRow1 = float2(cos(GoboRad), sin(GoboRad));
float2 GoboRow2 = float2(-sin(GoboRad), cos(GoboRad));
float Gobo2Rad = Gobo2Angle * 3.1415 * 360.0 / 180.0;
float2 Gobo2Row1 = float2(cos(Gobo2Rad), sin(Gobo2Rad));
float2 Gobo2Row2 = float2(-sin(Gobo2Rad), cos(Gobo2Rad));
float BladeRad = BladeAngle * 3.1415 * (-360.0) / 180.0;
float2 BladeRow1 = float2(cos(BladeRad), sin(BladeRad));
float2 BladeRow2 = float2(-sin(BladeRad), cos(BladeRad));
float FireRad = FireAngle * 3.1415 * (-360.0) / 180.0;
float2 FireRow1 = float2(cos(FireRad), sin(FireRad));
float2 FireRow2 = float2(-sin(FireRad), cos(FireRad));

float Slope = 0.0 * (-28.0) + 30.0;

float Radius1 = M1;
uint Count1 = (uint)max(Prism1Num, 0.0);
uint Count2 = (uint)max(Prism2Num, 0.0);
for (uint i = 0; i < Count1; i++)
{
	float Angle1 = 360.0 * (1.0 / Prism1Num) * i + Prism1Pos;
	if (Prism1MatrixArrange == 1)
	{
		Angle1 = 180.0 * i + Prism1Pos;
	}
	float Rad1 = 2.0 * PI * Angle1 * (1.0 / 360.0);
	if (Prism1MatrixArrange == 1 && (i % 2) == 0 && i != 0)
	{
		Radius1 -= M1 / (Prism1Num - 1.0) * 2.0;
	}
	float2 Offset1 = float2(cos(Rad1), sin(Rad1)) * Radius1;

	float Radius2 = M2;
	for (uint j = 0; j < Count2; j++)
	{
		float Angle2 = 360.0 * (1.0 / Prism2Num) * j + Prism2Pos;
		if (Prism2MatrixArrange == 1)
		{
			Angle2 = 180.0 * j + Prism2Pos;
		}
		float Rad2 = 2.0 * PI * Angle2 * (1.0 / 360.0);
		if (Prism2MatrixArrange == 1 && (j % 2) == 0 && j != 0)
		{
			Radius2 -= M2 / (Prism2Num - 1.0) * 2.0;
		}
		float2 Offset2 = float2(cos(Rad2), sin(Rad2)) * Radius2;

		float2 GoboUV = ((((UV - float2(Offset2.x + Gobo1Shake, Offset2.y)) - 0.5) * Prism2Scale + 0.5 - Offset1) - 0.5) * Prism1Scale + 0.5;
		float2 Gobo2UV = ((((UV - float2(Offset2.x + Gobo2Shake, Offset2.y)) - 0.5) * Prism2Scale + 0.5 - Offset1) - 0.5) * Prism1Scale + 0.5;
		float2 MaskUV = ((((UV - float2(Offset2.x, Offset2.y)) - 0.5) * Prism2Scale + 0.5 - Offset1) - 0.5) * Prism1Scale + 0.5;
		float2 ColorUV = ((((UV - float2(Offset2.x, Offset2.y)) - 0.5) * Prism2Scale + 0.5 - Offset1) - 0.5) * Prism1Scale + 0.5;

		float d = distance(MaskUV, float2(0.5, 0.5));
		float Distance = saturate((1.0 - saturate(d - (Iris - 1.0))) * (Frost * (-14.0) + 15.0));

		float2 P = float2(dot(BladeRow1, MaskUV - 0.5), dot(BladeRow2, MaskUV - 0.5)) + 0.5;

		float2 B1 = float2(1.0, Blade1B);
		float2 A1 = float2(0.0, Blade1A);
		float2 L1 = A1 - B1;
		float Blade1 = clamp(Slope * ((P - B1).x * L1.y - (P - B1).y * L1.x), 0.0, 1.0)
			* clamp(Slope * ((P - A1).x * L1.y - (P - A1).y * L1.x), 0.0, 1.0);

		float2 B2 = float2(1.0 - saturate(Blade2A), 0.0);
		float2 A2 = float2(1.0 - saturate(Blade2B), 1.0);
		float2 L2 = B2 - A2;
		float Blade2 = clamp(Slope * ((P - B2).x * L2.y - (P - B2).y * L2.x), 0.0, 1.0)
			* clamp(Slope * ((P - A2).x * L2.y - (P - A2).y * L2.x), 0.0, 1.0);

		float2 B3 = float2(1.0, 1.0 - saturate(Blade3A));
		float2 A3 = float2(0.0, 1.0 - Blade3B);
		float2 L3 = B3 - A3;
		float Blade3 = clamp(Slope * ((P - B3).x * L3.y - (P - B3).y * L3.x), 0.0, 1.0)
			* clamp(Slope * ((P - A3).x * L3.y - (P - A3).y * L3.x), 0.0, 1.0);

		float2 B4 = float2(saturate(Blade4B), 0.0);
		float2 A4 = float2(saturate(Blade4A), 1.0);
		float2 L4 = A4 - B4;
		float Blade4 = clamp(Slope * ((P - B4).x * L4.y - (P - B4).y * L4.x), 0.0, 1.0)
			* clamp(Slope * ((P - A4).x * L4.y - (P - A4).y * L4.x), 0.0, 1.0);

		float Blade = Blade1 * Blade2 * Blade3 * Blade4 * Distance;

		GoboUV = float2(dot(GoboRow1, GoboUV - 0.5), dot(GoboRow2, GoboUV - 0.5)) + 0.5;
		Gobo2UV = float2(dot(Gobo2Row1, Gobo2UV - 0.5), dot(Gobo2Row2, Gobo2UV - 0.5)) + 0.5;
		float2 FireUV = (MaskUV - FireCenter) * 0.3 + float2(0.0, 0.35) - 0.5;
		FireUV = float2(dot(FireRow1, FireUV), dot(FireRow2, FireUV)) + 0.5;

		GoboUV.x = GoboUV.x / NumGobos + GoboIndex / NumGobos + Time * GoboScrollingSpeed;
		Gobo2UV.x = Gobo2UV.x / NumGobos2 + Gobo2Index / NumGobos2 + Time * Gobo2ScrollingSpeed;
		ColorUV.x = ColorUV.x / NumColors + ColorIndex / NumColors + (Time - CurrentTime) * ColorScrollingSpeed;

		float Mask = TXTpMask.SampleLevel(TXTpMaskSampler, MaskUV, 0).r;
		float Gobo1 = TXTpGobo.SampleLevel(TXTpGoboSampler, GoboUV, 0).r;
		float Gobo2 = TXTpGobo2.SampleLevel(TXTpGobo2Sampler, Gobo2UV, 0).r;
		float Gobo1Frosted = TXTpGoboFrosted.SampleLevel(TXTpGoboFrostedSampler, GoboUV, 0).r;
		float Gobo2Frosted = TXTpGoboFrosted2.SampleLevel(TXTpGoboFrosted2Sampler, Gobo2UV, 0).r;
		float3 Color = TXTpColor.SampleLevel(TXTpColorSampler, ColorUV, 0).rgb;
		float Fire = TXTpFire.SampleLevel(TXTpFireSampler, FireUV, 0).r;
		float FireFrosted = TXTpFireFrosted.SampleLevel(TXTpFireFrostedSampler, FireUV, 0).r;

		Fire = lerp(Fire, FireFrosted, Frost);
		Gobo1 = lerp(Gobo1, Gobo1Frosted, Frost);
		Gobo2 = lerp(Gobo2, Gobo2Frosted, Frost);
		float Image = lerp(Gobo1 * Gobo2 * Fire, FireFrosted * Gobo1Frosted * Gobo2Frosted, Focus);
		cumul += Image * Mask * Color * DIM * Blade;
	}
}
return cumul;
)ZORHLSL");
}
