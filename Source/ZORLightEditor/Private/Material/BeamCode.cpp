// Volumetric beam: a march through the beam cone between the near and the far depth.
#include "MaterialExpressionZOR.h"

FString UMaterialExpressionZOR::GetBeamCode()
{
	return TEXT(R"ZORHLSL(uint numSteps = (uint)max(floor((FDepth - NDepth) / StepSize), 0.0);
float3 StepVector = normalize(FSlice - NSlice) * StepSize;

float AngleX = 0.0;
float AngleY = 0.0;
float AngleZ = 0.0;
if (NoiseEnable != 0)
{
	float3x3 m = (float3x3)LWCToFloat(GetPrimitiveData(Parameters.PrimitiveId).WorldToLocal);
	AngleX = atan2(m[2].y, m[2].z) * 180.0 / PI;
	AngleY = atan2(-m[2].x, sqrt(m[2].y * m[2].y + m[2].z * m[2].z)) * 180.0 / PI;
	AngleZ = atan2(m[1].x, m[0].x) * 180.0 / PI;
	AngleX = AngleX * PI / 180.0;
	AngleY = AngleY * PI / 180.0;
	AngleZ = AngleZ * PI / 180.0;
}

float WindDir = (WindDirection + 180.0) * PI / 180.0;
float WindElev = -WindElevation * PI / 180.0;
float3 WindVector = float3(cos(WindElev) * cos(WindDir), sin(WindElev), cos(WindElev) * sin(WindDir));
float WindCmPerSecond = WindSpeed * 100000.0 / 3600.0;
float3 NoiseVelocity = WindVector * WindCmPerSecond;

float Adj = AdjOpp.x;
float Opp = AdjOpp.y + ConeRadius;

float3 cumul = float3(0.0, 0.0, 0.0);
float NoiseFactor = 1.0;
for (uint i = 0; i < numSteps; i++)
{
	float3 pos = NSlice + StepVector * i;
	float depth = NDepth + StepSize * i;
	float dist = length(pos);
	float falloff = 1.0 - dist / MaxDistance;

	if (NoiseEnable != 0)
	{
		float3 p = pos;
		float3 Axis = float3(1.0, 0.0, 0.0);
		float3 Along = dot(Axis, p) * Axis;
		float3 Across = p - Along;
		p = Along + Across * cos(AngleX) + cross(Axis, Across) * sin(AngleX);
		Axis = float3(0.0, 1.0, 0.0);
		Along = dot(Axis, p) * Axis;
		Across = p - Along;
		p = Along + Across * cos(AngleY) + cross(Axis, Across) * sin(AngleY);
		Axis = float3(0.0, 0.0, 1.0);
		Along = dot(Axis, p) * Axis;
		Across = p - Along;
		p = Along + Across * cos(AngleZ) + cross(Axis, Across) * sin(AngleZ);
		p -= ObjectPosition;
		float3 NoiseCoord = p * NoiseScale * 0.00003 + NoiseVelocity * NoiseScale * Time / 3333.0;
		float Raw = NoiseTexture.SampleLevel(NoiseTextureSampler, NoiseCoord, NoiseMip).r;
		NoiseFactor = pow(lerp(1.0, pow(Raw, NoiseGamma), NoiseIntensity), NoiseGamma * 0.5);
	}

	pos.z = -pos.z;
	pos = pos / float3(2.0 * Opp, 2.0 * Opp, Adj);
	float r = ConeRadius / Opp;
	pos.xy = pos.xy / (pos.z * (1.0 - r) + r);
	pos.z -= 0.5;

	if (abs(pos.x) < 0.5 && abs(pos.y) < 0.5 && abs(pos.z) < 0.5)
	{
		float dClip = saturate((ScDepth - depth) / SoftClipSize);
		float2 uv = saturate(pos.xy + 0.5);
		float2 GoboUV = float2(uv.x / NumGobos + GoboIndex / NumGobos + Time * GoboScrollingSpeed, uv.y);
		float2 ColorUV = float2(uv.x / NumColors + ColorIndex / NumColors + (Time - CurrentTime) * ColorScrollingSpeed, uv.y);
		float3 Gobo = TXTpGobo.SampleLevel(TXTpGoboSampler, GoboUV, 0).rgb;
		float3 Color = TXTpColor.SampleLevel(TXTpColorSampler, ColorUV, 0).rgb * DMXColor * Gobo;
		cumul += (1.0 / numSteps) * Color * NoiseFactor * dClip * (1.0 / (dist * dist)) * falloff;
	}
}
return cumul;
)ZORHLSL");
}
