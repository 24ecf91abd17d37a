#pragma once

#include <string_view>

#include "color/color_models.h"

namespace tintrel {

// The nearest of the CSS named colours by distance in OKLab, in lower case. A colour that has a name
// gets it; of names with the same value, the first in alphabetical order (aqua, not cyan).
std::string_view NearestCssColorName(Rgb8 color);

}  // namespace tintrel
