// A compact variant of the RT image with soft blades. RotateUV is a macro: a function cannot be
// declared inside the generated function, and a local struct's member functions do not compile
// everywhere.
#include "MaterialExpressionZOR.h"

FString UMaterialExpressionZOR::GetOtherCode()
{
	return TEXT(R"ZORHLSL(float3 cumul = float3(0.0, 0.0, 0.0);
float DIM = Dimmer;
#define RotateUV(uv, angle) (float2(dot(float2(cos((angle) * PI * 2.0), -sin((angle) * PI * 2.0)), (uv) - 0.5), dot(float2(sin((angle) * PI * 2.0), cos((angle) * PI * 2.0)), (uv) - 0.5)) + 0.5)

float2 GoboUV = RotateUV(UV, GoboAngle);
float2 Gobo2UV = RotateUV(UV, Gobo2Angle);
float2 FireUV = RotateUV(UV - FireCenter, -FireAngle);
float2 BladeUV = RotateUV(UV, BladeAngle);
float2 MaskUV = UV;
float2 ColorUV = UV;

float top = lerp(Blade1A, Blade1B, BladeUV.x);
float right = lerp(Blade2A, Blade2B, BladeUV.y);
float bottom = lerp(Blade3B, Blade3A, BladeUV.x);
float left = lerp(Blade4B, Blade4A, BladeUV.y);

float IrisMask = step(length(UV - 0.5), 0.5 * (1.0 - Iris));
float Blade = saturate(BladeUV.y - top) * saturate(1.0 - right - BladeUV.x) * saturate(1.0 - bottom - BladeUV.y) * saturate(BladeUV.x - left) * IrisMask;

GoboUV.x = GoboUV.x / NumGobos + GoboIndex / NumGobos + Time * GoboScrollingSpeed;
Gobo2UV.x = Gobo2UV.x / NumGobos2 + Gobo2Index / NumGobos2 + Time * Gobo2ScrollingSpeed;
ColorUV.x = ColorUV.x / NumColors + ColorIndex / NumColors + (Time - CurrentTime) * ColorScrollingSpeed;

float Mask = TXTpMask.SampleLevel(TXTpMaskSampler, MaskUV, 0).r;
float Gobo1 = TXTpGobo.SampleLevel(TXTpGoboSampler, GoboUV, 0).r;
float Gobo2 = TXTpGobo2.SampleLevel(TXTpGobo2Sampler, Gobo2UV, 0).r;
float3 Color = TXTpColor.SampleLevel(TXTpColorSampler, ColorUV, 0).rgb;
float Fire = TXTpFire.SampleLevel(TXTpFireSampler, FireUV, 0).r;

Gobo1 = lerp(Gobo1, TXTpGoboFrosted.SampleLevel(TXTpGoboFrostedSampler, GoboUV, 0).r, Frost);
Gobo2 = lerp(Gobo2, TXTpGoboFrosted2.SampleLevel(TXTpGoboFrosted2Sampler, Gobo2UV, 0).r, Frost);
Fire = lerp(Fire, TXTpFireFrosted.SampleLevel(TXTpFireFrostedSampler, FireUV, 0).r, Frost);
cumul += lerp(Gobo1 * Gobo2 * Fire,
	TXTpFireFrosted.SampleLevel(TXTpFireFrostedSampler, FireUV, 0).r
		* TXTpGoboFrosted.SampleLevel(TXTpGoboFrostedSampler, GoboUV, 0).r
		* TXTpGoboFrosted2.SampleLevel(TXTpGoboFrosted2Sampler, Gobo2UV, 0).r,
	Focus) * Mask * Color * DIM * Blade;
#undef RotateUV
return cumul;
)ZORHLSL");
}
