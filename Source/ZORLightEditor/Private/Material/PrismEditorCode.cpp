// Preview of a prism wheel: copies of one gobo laid out by a single prism.
#include "MaterialExpressionZOR.h"

FString UMaterialExpressionZOR::GetPrismEditorCode()
{
	return TEXT(R"ZORHLSL(float3 cumul = float3(0.0, 0.0, 0.0);
float DIM = 0.5;
float M = Prism1Radius;
float Radius1 = Prism1Radius;
uint Count1 = (uint)max(Prism1Num, 0.0);
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
		Radius1 -= M / (Prism1Num - 1.0) * 2.0;
	}
	float2 Offset1 = float2(cos(Rad1), sin(Rad1)) * Radius1;
	float2 SampleUV = ((UV - 0.5) - Offset1) * Prism1Scale + 0.5;
	float2 Row1 = float2(1.0, 0.0);
	float2 Row2 = float2(0.0, 1.0);
	SampleUV = float2(dot(Row1, SampleUV - 0.5), dot(Row2, SampleUV - 0.5)) + 0.5;
	cumul += TXTpGobo.SampleLevel(TXTpGoboSampler, SampleUV, 0).a * DIM;
}
return cumul;
)ZORHLSL");
}
