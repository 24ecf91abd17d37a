#include "palette/pallet_page_names.h"

#include "base/integer_parse.h"
#include "palette/pallet_store.h"

namespace tintrel {
namespace {

// The reasons, in code page 932: "1～16 の数を入れてください", "タブは 1～8 行です（今は n 行）",
// "n 行目：タブ名は 1～20 バイトです（今は n バイト）", "Shift-JIS で表せない文字があります".
constexpr std::string_view kSizeRange =
    "1\x81`16 \x82\xCC\x90\x94\x82\xF0\x93\xFC\x82\xEA\x82\xC4\x82\xAD\x82\xBE\x82\xB3\x82\xA2";
constexpr std::string_view kLineCount = "\x83^\x83u\x82\xCD 1\x81`8 \x8Ds\x82\xC5\x82\xB7\x81i\x8D\xA1\x82\xCD ";
constexpr std::string_view kLineCountEnd = " \x8Ds\x81j";
constexpr std::string_view kNameBytes =
    " \x8Ds\x96\xDA\x81"
    "F\x83^\x83u\x96\xBC\x82\xCD 1\x81`20 \x83o\x83"
    "C\x83g\x82\xC5\x82\xB7\x81i\x8D\xA1\x82\xCD ";
constexpr std::string_view kNameBytesEnd =
    " \x83o\x83"
    "C\x83g\x81j";
constexpr std::string_view kNotShiftJis =
    "Shift-JIS \x82\xC5\x95\x5C\x82\xB9\x82\xC8\x82\xA2\x95\xB6\x8E\x9A\x82\xAA\x82\xA0\x82\xE8\x82\xDC\x82\xB7";

bool IsProfileBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) {
    return low <= value && value <= high;
}

}  // namespace

std::vector<std::string> SplitPageNames(std::string_view text) {
    std::vector<std::string> names;
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        names.emplace_back(text.substr(0, end));
        if (end == text.npos) {
            break;
        }
        text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
    }
    return names;
}

std::string JoinPageNames(const std::vector<std::string>& names) {
    std::string text;
    for (const auto& name : names) {
        text += name;
        text += "\r\n";
    }
    return text;
}

bool ReadsBackAsWritten(std::string_view name) {
    if (name.empty()) {
        return true;
    }
    if (IsProfileBlank(name.front()) || IsProfileBlank(name.back())) {
        return false;
    }
    const bool quoted =
        name.size() >= 2 && (name.front() == '"' || name.front() == '\'') && name.back() == name.front();
    return !quoted;
}

bool IsStorablePageName(std::string_view name) {
    return !name.empty() && name.size() <= kMaxPageNameBytes;
}

bool PalletSettingsValid(std::string_view columnsText, std::string_view rowsText, std::string_view namesText) {
    return !PalletSettingsProblem(columnsText, rowsText, namesText);
}

std::optional<SettingsProblem> PalletSettingsProblem(std::string_view columnsText,
                                                     std::string_view rowsText,
                                                     std::string_view namesText) {
    const auto names = SplitPageNames(namesText);
    if (names.empty() || names.size() > static_cast<std::size_t>(kMaxPalletPages)) {
        return SettingsProblem{SettingsField::Names,
                               std::string(kLineCount).append(std::to_string(names.size())).append(kLineCountEnd)};
    }
    for (std::size_t line = 0; line < names.size(); ++line) {
        if (!IsStorablePageName(names[line])) {
            return SettingsProblem{SettingsField::Names, std::to_string(line + 1)
                                                             .append(kNameBytes)
                                                             .append(std::to_string(names[line].size()))
                                                             .append(kNameBytesEnd)};
        }
    }
    if (!InRange(ParseInteger(columnsText, 0), 1, kMaxPalletColumns)) {
        return SettingsProblem{SettingsField::Columns, std::string(kSizeRange)};
    }
    if (!InRange(ParseInteger(rowsText, 0), 1, kMaxPalletRows)) {
        return SettingsProblem{SettingsField::Rows, std::string(kSizeRange)};
    }
    return std::nullopt;
}

std::string NotShiftJisReason() {
    return std::string(kNotShiftJis);
}

std::int32_t PageAfterSettings(std::int32_t selectedBefore, std::int32_t pageCount) {
    return InRange(selectedBefore, 0, pageCount - 1) ? selectedBefore : pageCount - 1;
}

}  // namespace tintrel
