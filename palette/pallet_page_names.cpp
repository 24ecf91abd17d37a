#include "palette/pallet_page_names.h"

#include "base/integer_parse.h"
#include "palette/pallet_store.h"

namespace tintrel {
namespace {

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
    if (!InRange(ParseInteger(columnsText, 0), 1, kMaxPalletColumns) ||
        !InRange(ParseInteger(rowsText, 0), 1, kMaxPalletRows)) {
        return false;
    }
    const auto names = SplitPageNames(namesText);
    if (names.empty() || names.size() > static_cast<std::size_t>(kMaxPalletPages)) {
        return false;
    }
    for (const auto& name : names) {
        if (!IsStorablePageName(name)) {
            return false;
        }
    }
    return true;
}

std::int32_t PageAfterSettings(std::int32_t selectedBefore, std::int32_t pageCount) {
    return InRange(selectedBefore, 0, pageCount - 1) ? selectedBefore : pageCount - 1;
}

}  // namespace tintrel
