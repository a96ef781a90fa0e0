// Facettes written the short way, as the prism wheel tests place them.
#pragma once

#include "CoreMinimal.h"
#include "ZORPrismWheel.h"

inline FPrismWheelFacette MakeFacette(double X, double Y, float Radius)
{
	FPrismWheelFacette Facette;
	Facette.X = X;
	Facette.Y = Y;
	Facette.Radius = Radius;
	return Facette;
}
