#include "exchange/text_formats.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <initializer_list>

#include "exchange/exchange_messages.h"
#include "exchange/exchange_text.h"

namespace tintrel {

namespace {

// Appends the pieces in one call; the files are built of many short pieces, and one `+` after another
// makes a temporary string each.
void Append(std::string& out, std::initializer_list<std::string_view> pieces) {
    for (const std::string_view piece : pieces) {
        out.append(piece);
    }
}

ExchangeError LineError(std::size_t lineNumber) {
    return ExchangeError(std::string(kFileLinePrefix) + std::to_string(lineNumber) + std::string(kLineNotAColor));
}

std::uint32_t Channel(ColorRef color, int shift) {
    return static_cast<std::uint32_t>(color) >> shift & 0xFF;
}

// A whole number from 0 to 255 at the start of `text` (after blanks); the rest is left in `text`.
std::optional<int> TakeComponent(std::string_view& text) {
    text = TrimBlanks(text);
    int value = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || value < 0 || value > 255) {
        return std::nullopt;
    }
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

std::optional<std::uint32_t> ParseHex(std::string_view text, std::size_t digits) {
    std::uint32_t value = 0;
    if (text.size() != digits) {
        return std::nullopt;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

ColorRef FromRrggbb(std::uint32_t value) {
    return RgbColor(static_cast<int>(value >> 16 & 0xFF), static_cast<int>(value >> 8 & 0xFF),
                    static_cast<int>(value & 0xFF));
}

// A component as a real from 0 to 1 with four decimals, which take every byte back to itself.
std::string UnitText(std::uint32_t byte) {
    const std::uint32_t scaled = (byte * 20000 + 255) / 510;
    const std::string decimals = std::to_string(10000 + scaled % 10000);
    return std::to_string(scaled / 10000) + "." + decimals.substr(1);
}

std::string LowerHex(ColorRef color) {
    return HexName(color, true);
}

// A component right-aligned in three places, as GIMP writes it.
std::string Aligned(std::uint32_t component) {
    const std::string digits = std::to_string(component);
    return std::string(3 - std::min<std::size_t>(digits.size(), 3), ' ') + digits;
}

std::string JsonString(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            AppendHexByte(out, byte, true);
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// `name` as `used` has it not yet: with "-2", "-3" and so on appended when it has.
std::string Unique(const std::string& name, std::vector<std::string>& used) {
    std::string unique = name;
    for (int suffix = 2; std::find(used.begin(), used.end(), unique) != used.end(); ++suffix) {
        unique = name + "-" + std::to_string(suffix);
    }
    used.push_back(unique);
    return unique;
}

// A CSS identifier part: letters, digits, "-", "_" and every non-ASCII character stay; anything else
// becomes "_", and a leading digit or "-" gets a "_" before it, so that the property name stays valid.
std::string CssIdentifier(std::string_view utf8) {
    std::string out;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        const bool keeps = byte >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '-' || c == '_';
        out += keeps ? c : '_';
    }
    if (out.empty() || (out[0] >= '0' && out[0] <= '9') || out[0] == '-') {
        out.insert(out.begin(), '_');
    }
    return out;
}

// A design-token group name: "{", "}" and "." are not allowed in it, nor a leading "$".
std::string TokenName(std::string_view utf8) {
    std::string out(utf8);
    for (char& c : out) {
        if (c == '{' || c == '}' || c == '.') {
            c = '_';
        }
    }
    if (out.empty() || out[0] == '$') {
        out.insert(out.begin(), '_');
    }
    return out;
}

std::string CellName(const ExchangePage& page, std::size_t index) {
    const std::size_t columns = page.Columns > 0 ? static_cast<std::size_t>(page.Columns) : page.Colors.size();
    return std::to_string(index / columns + 1) + "-" + std::to_string(index % columns + 1);
}

}  // namespace

std::optional<ColorRef> ParseColorLine(std::string_view line) {
    line = TrimBlanks(line);
    if (line.starts_with('#')) {
        line.remove_prefix(1);
    }
    if (const auto hex = ParseHex(line, 6)) {
        return FromRrggbb(*hex);
    }
    std::optional<int> parts[3];
    for (std::size_t index = 0; index < 3; ++index) {
        parts[index] = TakeComponent(line);
        line = TrimBlanks(line);
        if (!parts[index] || (index < 2 && !line.starts_with(','))) {
            return std::nullopt;
        }
        if (index < 2) {
            line.remove_prefix(1);
        }
    }
    if (!line.empty()) {
        return std::nullopt;
    }
    return RgbColor(*parts[0], *parts[1], *parts[2]);
}

std::string WriteGpl(const ExchangePage& page) {
    std::string out;
    Append(out, {"GIMP Palette\nName: ", Cp932ToUtf8(page.Name), "\nColumns: ", std::to_string(page.Columns), "\n#\n"});
    for (const ColorRef color : page.Colors) {
        Append(out, {Aligned(Channel(color, 0)), " ", Aligned(Channel(color, 8)), " ", Aligned(Channel(color, 16)),
                     "\t", HexName(color), "\n"});
    }
    return out;
}

ExchangePage ReadGpl(std::string_view text, std::string_view fileName) {
    ExchangePage page{PageNameFromFileName(fileName), 0, {}};
    TextLines lines(text);
    for (std::string_view line; lines.Next(line);) {
        line = TrimBlanks(line);
        if (line.empty() || line.starts_with('#') || line == "GIMP Palette") {
            continue;
        }
        if (line.starts_with("Name:")) {
            const std::string name = PageNameFrom(Utf8ToCp932(TrimBlanks(line.substr(5))));
            if (!name.empty()) {
                page.Name = name;
            }
            continue;
        }
        if (line.starts_with("Columns:")) {
            std::string_view columns = TrimBlanks(line.substr(8));
            std::from_chars(columns.data(), columns.data() + columns.size(), page.Columns);
            continue;
        }
        // "R G B" then, after a blank, the colour's name, which the palette has no place for.
        std::optional<int> parts[3];
        for (auto& part : parts) {
            part = TakeComponent(line);
            if (!part || (!line.empty() && line[0] != ' ' && line[0] != '\t')) {
                throw LineError(lines.Number());
            }
        }
        page.Add(RgbColor(*parts[0], *parts[1], *parts[2]));
    }
    return page;
}

std::string WritePaintNet(const ExchangePage& page) {
    if (page.Colors.size() > kPaintNetMaxColors) {
        throw ExchangeError(std::string(kPaintNetTooMany) + std::to_string(page.Colors.size()) +
                            std::string(kColorsFollow));
    }
    std::string out = "; " + Cp932ToUtf8(page.Name) + "\r\n";
    for (const ColorRef color : page.Colors) {
        out += "FF" + HexName(color).substr(1) + "\r\n";
    }
    return out;
}

ExchangePage ReadPaintNet(std::string_view text, std::string_view fileName) {
    ExchangePage page{PageNameFromFileName(fileName), 0, {}};
    TextLines lines(text);
    for (std::string_view line; lines.Next(line);) {
        line = TrimBlanks(line);
        if (line.empty() || line.starts_with(';')) {
            continue;
        }
        const auto value = ParseHex(line, 8);
        if (!value) {
            throw LineError(lines.Number());
        }
        page.Add(FromRrggbb(*value));
    }
    return page;
}

std::string WriteTemplateText(const ExchangePage& page, std::string_view formatTemplate, const TextOptions& options) {
    std::string out;
    for (const ColorRef color : page.Colors) {
        ColorState state;
        SetColor(state, color);
        out += Cp932ToUtf8(ExpandFormat(formatTemplate, state, options)) + "\r\n";
    }
    return out;
}

ExchangePage ReadPlainColors(std::string_view text, std::string_view fileName) {
    ExchangePage page{PageNameFromFileName(fileName), 0, {}};
    TextLines lines(text);
    for (std::string_view line; lines.Next(line);) {
        if (TrimBlanks(line).empty()) {
            continue;
        }
        const auto color = ParseColorLine(line);
        if (!color) {
            throw LineError(lines.Number());
        }
        page.Add(*color);
    }
    return page;
}

std::string WriteCss(const std::vector<ExchangePage>& pages) {
    std::string out = ":root {\n";
    std::vector<std::string> used;
    for (const ExchangePage& page : pages) {
        const std::string identifier = Unique(CssIdentifier(Cp932ToUtf8(page.Name)), used);
        for (std::size_t index = 0; index < page.Colors.size(); ++index) {
            Append(out, {"  --", identifier, "-", CellName(page, index), ": ", LowerHex(page.Colors[index]), ";\n"});
        }
    }
    out += "}\n";
    return out;
}

std::string WriteJson(const std::vector<ExchangePage>& pages) {
    std::string out = "{";
    std::vector<std::string> used;
    for (std::size_t pageIndex = 0; pageIndex < pages.size(); ++pageIndex) {
        const ExchangePage& page = pages[pageIndex];
        Append(out,
               {pageIndex == 0 ? "\n  " : ",\n  ", JsonString(Unique(TokenName(Cp932ToUtf8(page.Name)), used)), ": {"});
        for (std::size_t index = 0; index < page.Colors.size(); ++index) {
            const ColorRef color = page.Colors[index];
            Append(out, {index == 0 ? "\n    \"" : ",\n    \"", CellName(page, index),
                         "\": {\"$type\": \"color\", \"$value\": {\"colorSpace\": \"srgb\", \"components\": [",
                         UnitText(Channel(color, 0)), ", ", UnitText(Channel(color, 8)), ", ",
                         UnitText(Channel(color, 16)), "], \"hex\": \"", LowerHex(color), "\"}}"});
        }
        out += "\n  }";
    }
    out += "\n}\n";
    return out;
}

}  // namespace tintrel
