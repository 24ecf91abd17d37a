#pragma once

#include "color/color_models.h"

namespace tintrel {

// Colours as people with a colour-vision deficiency see them, for showing to people who see all colours.

// The kinds of colour vision simulated, in the order the settings list them.
enum class ColorVision {
    Normal,         // the colour itself
    Protanopia,     // no long-wavelength cones
    Deuteranopia,   // no middle-wavelength cones
    Tritanopia,     // no short-wavelength cones
    Achromatopsia,  // luminance only
};

// The colour as seen with `vision`. Worked out in linear light: dichromats' colours by projecting the
// cone responses onto the surface of colours they share with normal vision (one plane for protanopia
// and deuteranopia, two half-planes for tritanopia), achromatopsia as the grey of the same WCAG
// luminance. White, black and greys stay as they are in every kind; the result is rounded once.
Rgb8 SimulateColorVision(Rgb8 color, ColorVision vision);

}  // namespace tintrel
