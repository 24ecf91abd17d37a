#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "exchange/exchange_palette.h"

namespace tintrel {

// The two binary swatch formats, big-endian as they are documented.

// Adobe Swatch Exchange: a group per page named after it, a global RGB swatch per colour named by its
// hex text (#1A2B3C), components as reals from 0 to 1.
std::string WriteAse(const std::vector<ExchangePage>& pages);
// Each group with colours becomes a page; swatches outside any group go to a first page named `fileName`.
// RGB, CMYK, Lab and Gray swatches are taken, converted to sRGB. Throws ExchangeError for a file that is
// no swatch exchange file, is cut short or claims more than it holds, or holds a swatch of another
// colour model.
PaletteFile ReadAse(std::string_view bytes, std::string_view fileName);

// Photoshop swatches: a version 1 section, then a version 2 section with the same colours and their
// names, all RGB with 16-bit components.
std::string WriteAco(const ExchangePage& page);
// One page named `fileName`, from the version 2 section when there is one, otherwise from version 1.
// RGB, HSB, CMYK, Lab and Grayscale are taken; ExchangeError as for ReadAse. A whole version 1 section
// followed by what starts a version 2 section but is cut gives the version 1 colours, with the names
// of the version 2 section counted as lost.
PaletteFile ReadAco(std::string_view bytes, std::string_view fileName);

}  // namespace tintrel
