#pragma once

#include "ifs/guifractal.h"

// The hand-built families of the templated schemes.
enum class vTemplate { Ferns, Autumn, Vorlunda, Gasket, Unknown };

// The family a templated scheme names (letter case disregarded); Unknown
// for any other name.
vTemplate TemplateFromName(const char *name);

// Each builds its family afresh into `fractal` for a width × height area of
// the given aspect, measured and scaled, drawing its random choices from the
// program's generator.
void BuildFerns(ifsGuiFractal &fractal, int width, int height, double aspect);
void BuildAutumn(ifsGuiFractal &fractal, int width, int height, double aspect);
void BuildVorlunda(ifsGuiFractal &fractal, int width, int height, double aspect);
void BuildGasket(ifsGuiFractal &fractal, int width, int height, double aspect);
