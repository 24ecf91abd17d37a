#include "exchange/web_palettes.h"

#include <algorithm>
#include <string>

#include "base/decimal_parse.h"
#include "base/integer_parse.h"
#include "exchange/exchange_text.h"

namespace tintrel {

namespace {

bool IsCssBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string_view TrimCss(std::string_view text) {
    while (!text.empty() && IsCssBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsCssBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return a == (b >= 'A' && b <= 'Z' ? static_cast<char>(b - 'A' + 'a') : b);
           });
}

std::optional<ColorRef> HexColor(std::string_view digits) {
    if (digits.size() != 3 && digits.size() != 4 && digits.size() != 6 && digits.size() != 8) {
        return std::nullopt;
    }
    int values[8] = {};
    for (std::size_t index = 0; index < digits.size(); ++index) {
        values[index] = HexDigitValue(digits[index]);
        if (values[index] < 0) {
            return std::nullopt;
        }
    }
    const bool shortForm = digits.size() <= 4;
    const auto channel = [&](std::size_t index) {
        return shortForm ? values[index] * 17 : values[index * 2] * 16 + values[index * 2 + 1];
    };
    return RgbColor(channel(0), channel(1), channel(2));
}

// One component of rgb(): a number from 0 to 255 or a percentage, clamped; "none" is 0.
std::optional<int> RgbComponent(std::string_view text) {
    if (text == "none") {
        return 0;
    }
    const bool percent = text.ends_with('%');
    if (percent) {
        text.remove_suffix(1);
    }
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    const auto value = ParseDecimal(text);
    if (!value) {
        return std::nullopt;
    }
    return UnitToByte(percent ? *value / 100.0 : *value / 255.0);
}

std::optional<ColorRef> RgbFunction(std::string_view arguments) {
    // Commas and a "/" before alpha separate as blanks do.
    int parts[3] = {};
    std::size_t count = 0;
    while (true) {
        const auto start = arguments.find_first_not_of(" \t\n\r\f,");
        if (start == std::string_view::npos || arguments[start] == '/') {
            break;
        }
        arguments.remove_prefix(start);
        const auto end = arguments.find_first_of(" \t\n\r\f,/");
        const auto component = RgbComponent(arguments.substr(0, end));
        if (count == 3) {
            break;  // alpha
        }
        if (!component) {
            return std::nullopt;
        }
        parts[count++] = *component;
        arguments.remove_prefix(end == std::string_view::npos ? arguments.size() : end);
    }
    if (count != 3) {
        return std::nullopt;
    }
    return RgbColor(parts[0], parts[1], parts[2]);
}

// The group of a custom property named "--<group>-<row>-<column>"; nullopt for another name.
std::optional<std::string_view> CellGroup(std::string_view name) {
    for (int number = 0; number < 2; ++number) {
        const auto dash = name.rfind('-');
        if (dash == std::string_view::npos || dash + 1 == name.size() ||
            !std::all_of(name.begin() + static_cast<std::ptrdiff_t>(dash) + 1, name.end(),
                         [](char c) { return c >= '0' && c <= '9'; })) {
            return std::nullopt;
        }
        name = name.substr(0, dash);
    }
    return name;
}

// A page name of a CSS identifier as the export writes it: a "_" that it put before a digit or "-" goes.
std::string CssPageName(std::string_view identifier) {
    if (identifier.starts_with('_') &&
        (identifier.size() == 1 || identifier[1] == '-' || (identifier[1] >= '0' && identifier[1] <= '9'))) {
        identifier.remove_prefix(1);
    }
    return PageNameFrom(Utf8ToCp932(identifier));
}

// Steps over a comment or a quoted string at `pos`, if one starts there; true when it did.
bool SkipCommentOrString(std::string_view text, std::size_t& pos) {
    if (text.compare(pos, 2, "/*") == 0) {
        const auto end = text.find("*/", pos + 2);
        pos = end == std::string_view::npos ? text.size() : end + 2;
        return true;
    }
    if (text[pos] == '"' || text[pos] == '\'') {
        const char quote = text[pos];
        for (++pos; pos < text.size() && text[pos] != quote && text[pos] != '\n'; ++pos) {
            pos += text[pos] == '\\' ? 1 : 0;
        }
        pos = std::min(pos + 1, text.size());
        return true;
    }
    return false;
}

// The end of what starts at `pos`: the first of `stops` outside comments and strings, or the text's end.
std::size_t FindStop(std::string_view text, std::size_t pos, std::string_view stops) {
    while (pos < text.size() && stops.find(text[pos]) == std::string_view::npos) {
        if (!SkipCommentOrString(text, pos)) {
            ++pos;
        }
    }
    return pos;
}

}  // namespace

std::optional<ColorRef> ParseCssColor(std::string_view value) {
    value = TrimCss(value);
    if (value.starts_with('#')) {
        return HexColor(value.substr(1));
    }
    for (const std::string_view function : {"rgb(", "rgba("}) {
        if (StartsWithNoCase(value, function) && value.ends_with(')')) {
            return RgbFunction(value.substr(function.size(), value.size() - function.size() - 1));
        }
    }
    return std::nullopt;
}

PaletteFile ReadCss(std::string_view text, std::string_view fileName) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    const std::string fileNamed = PageNameFromFileName(fileName);
    PageGatherer pages;
    std::optional<std::string_view> group;  // of the last colour; nullopt before the first
    for (std::size_t pos = 0; pos < text.size();) {
        if (IsCssBlank(text[pos]) || text[pos] == '{' || text[pos] == '}' || text[pos] == ';') {
            ++pos;
            continue;
        }
        if (SkipCommentOrString(text, pos)) {
            continue;
        }
        const std::size_t end = FindStop(text, pos, ";{}");
        const std::string_view declaration = text.substr(pos, end - pos);
        pos = end;
        const auto colon = declaration.find(':');
        if (!declaration.starts_with("--") || colon == std::string_view::npos) {
            continue;
        }
        std::string_view value = TrimCss(declaration.substr(colon + 1));
        if (const auto bang = value.rfind('!');
            bang != std::string_view::npos && StartsWithNoCase(TrimCss(value.substr(bang + 1)), "important")) {
            value = value.substr(0, bang);
        }
        const auto color = ParseCssColor(value);
        if (!color) {
            continue;  // a custom property holds anything; only colours are taken
        }
        const std::string_view name = TrimCss(declaration.substr(2, colon - 2));
        const std::string_view cellGroup = CellGroup(name).value_or(std::string_view());
        if (!group || *group != cellGroup) {
            pages.BeginPage(cellGroup.empty() ? fileNamed : CssPageName(cellGroup));
            group = cellGroup;
        }
        pages.Add(*color);
    }
    return std::move(pages).Finish();
}

}  // namespace tintrel
