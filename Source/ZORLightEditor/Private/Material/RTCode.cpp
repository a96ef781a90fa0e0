// The projected light image without prisms: gobos, fire, colour, frost and focus, hard blades and iris.
#include "MaterialExpressionZOR.h"

FString UMaterialExpressionZOR::GetRTCode()
{
	return TEXT(R"ZORHLSL(float3 cumul = float3(0.0, 0.0, 0.0);
float DIM = Dimmer;

float GoboRad = GoboAngle * 3.1415 * 360.0 / 180.0;
float2 GoboRow1 = float2(cos(GoboRad), sin(GoboRad));
float2 GoboRow2 = float2(-sin(GoboRad), cos(GoboRad));
float Gobo2Rad = Gobo2Angle * 3.1415 * 360.0 / 180.0;
float2 Gobo2Row1 = float2(cos(Gobo2Rad), sin(Gobo2Rad));
float2 Gobo2Row2 = float2(-sin(Gobo2Rad), cos(Gobo2Rad));
float FireRad = FireAngle * 3.1415 * (-360.0) / 180.0;
float2 FireRow1 = float2(cos(FireRad), sin(FireRad));
float2 FireRow2 = float2(-sin(FireRad), cos(FireRad));

float2 GoboUV = UV - float2(Gobo1Shake, 0.0);
float2 Gobo2UV = UV - float2(Gobo2Shake, 0.0);
float2 MaskUV = UV;
float2 ColorUV = UV;

float b = BladeAngle * PI * 2.0;
float2 BladeUV = mul(UV - 0.5, float2x2(cos(b), -sin(b), sin(b), cos(b))) + 0.5;

float top = Blade1A + (Blade1B - Blade1A) * BladeUV.x;
float right = Blade2A + (Blade2B - Blade2A) * BladeUV.y;
float bottom = Blade3B + (Blade3A - Blade3B) * BladeUV.x;
float left = Blade4B + (Blade4A - Blade4B) * BladeUV.y;

// Hard edges: 1 where the difference is positive, 0 where it is not. Written with sign() and not as a
// division by zero, whose result Vulkan and Metal leave undefined.
float TopCut = saturate(sign(BladeUV.y - top));
float RightCut = saturate(sign((1.0 - right) - BladeUV.x));
float BottomCut = saturate(sign((1.0 - bottom) - BladeUV.y));
float LeftCut = saturate(sign(BladeUV.x - left));

float IrisMask = step(length(UV - 0.5), 0.5 * (1.0 - Iris));
float Blade = TopCut * RightCut * BottomCut * LeftCut * IrisMask;

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
return cumul;
)ZORHLSL");
}
