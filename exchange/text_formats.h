#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "color/format_template.h"
#include "exchange/exchange_palette.h"

namespace tintrel {

// The palette formats that are lines of text. Written as UTF-8; read as UTF-8 (with or without its
// byte-order mark) and CR LF, LF or CR line breaks.

// GIMP palette: "GIMP Palette", "Name:" the page's name, "Columns:" its columns, then one
// "R G B<TAB>#1A2B3C" line per colour; LF line breaks.
std::string WriteGpl(const ExchangePage& page);
// The page is named by "Name:", or after `fileName` without one; "Columns:" gives the columns. Throws
// ExchangeError for a line that is no colour or a component outside 0 to 255.
ExchangePage ReadGpl(std::string_view text, std::string_view fileName);

// The most colours a Paint.NET palette holds.
inline constexpr std::size_t kPaintNetMaxColors = 96;

// Paint.NET palette: a comment line naming the page, then one "FFRRGGBB" line per colour; CR LF line
// breaks. Throws ExchangeError for a page of more than kPaintNetMaxColors colours.
std::string WritePaintNet(const ExchangePage& page);
// Lines starting with ";" are comments; every other non-blank line is AARRGGBB in hexadecimal (alpha is
// dropped). The page is named after `fileName`.
ExchangePage ReadPaintNet(std::string_view text, std::string_view fileName);

// One line per colour (CR LF breaks): the colour through `formatTemplate`, as the readout writes it.
std::string WriteTemplateText(const ExchangePage& page, std::string_view formatTemplate, const TextOptions& options);
// Plain text, one colour per non-blank line as #RRGGBB, RRGGBB or R,G,B (spaces allowed around the
// numbers), which the templates "#\RR\GG\BB", "\RR\GG\BB" and "\R,\G,\B" write. Named after `fileName`.
ExchangePage ReadPlainColors(std::string_view text, std::string_view fileName);

// The palette formats of web pages, written only. Page names become identifiers (CSS) and group
// names (JSON); both take every cell with its row and column counted from 1.

// CSS custom properties: ":root {", one "  --<page>-<row>-<column>: #1a2b3c;" line per cell, "}".
std::string WriteCss(const std::vector<ExchangePage>& pages);
// Design tokens: a group per page, a colour token per cell with its sRGB components and hex.
std::string WriteJson(const std::vector<ExchangePage>& pages);

// The text of a colour line: "#RRGGBB", "RRGGBB" or "R,G,B"; nullopt for anything else.
std::optional<ColorRef> ParseColorLine(std::string_view line);

}  // namespace tintrel
