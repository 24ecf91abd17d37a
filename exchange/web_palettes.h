#pragma once

#include <optional>
#include <string_view>

#include "color/color_state.h"
#include "exchange/exchange_palette.h"

namespace tintrel {

// The palette formats of web pages read back: what this program's CSS and JSON exports write, and the
// same forms written by hand or by other tools. Read as UTF-8; names go to code page 932.

// A CSS colour value: "#rgb", "#rgba", "#rrggbb", "#rrggbbaa", or rgb() / rgba() with numbers from 0 to
// 255 or percentages, separated by commas or blanks; alpha is dropped and components are clamped. nullopt
// for any other value.
std::optional<ColorRef> ParseCssColor(std::string_view value);

// The custom properties of a style sheet whose values are colours, in their order. A property named
// "--<group>-<row>-<column>" goes to a page named <group>, the others to pages named after `fileName`;
// a page ends where the group changes. Other rules, declarations and comments are passed over.
PaletteFile ReadCss(std::string_view text, std::string_view fileName);

// Design tokens: every token whose "$value" is a colour (a CSS colour text, or an object with
// "colorSpace" "srgb" and three "components" from 0 to 1, or failing that its "hex"), in the order of the
// file. A page per group holding such tokens, named by the group; tokens outside a group go to a page
// named after `fileName`. Aliases ("{group.token}") are passed over. Throws ExchangeError for text that
// is no JSON, nesting deeper than 100, or a colour token of a colour space that is not read.
PaletteFile ReadJson(std::string_view text, std::string_view fileName);

}  // namespace tintrel
