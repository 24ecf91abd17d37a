#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tintrel {

// The longest page name, in code page 932 bytes (20 single-byte or 10 double-byte characters).
inline constexpr std::size_t kMaxPageNameBytes = 20;

// The page names in the settings dialog's text, one per line. CR LF, a lone CR and a lone LF each
// end a line; a break at the very end adds no empty line, so "" gives none, "a\r\n" one and
// "a\r\n\r\n" two (the second empty). The page count is the number of names.
std::vector<std::string> SplitPageNames(std::string_view text);

// The dialog's text for `names`: each followed by CR LF.
std::string JoinPageNames(const std::vector<std::string>& names);

// True when the palette file's reader gives `name` back exactly as written: it trims spaces, tabs and
// vertical tabs at both ends and takes off one pair of enclosing quotes (' or ").
bool ReadsBackAsWritten(std::string_view name);

// True for a name of 1 to kMaxPageNameBytes bytes. Blanks and quotes at its ends are kept: the palette
// file writes such a name in quotes, which its reader takes off again.
bool IsStorablePageName(std::string_view name);

// The settings dialog's validity: columns and rows each parse to 1 to 16, and the text holds 1 to 8
// names, each storable. Characters that code page 932 lacks are the text box's to refuse.
bool PalletSettingsValid(std::string_view columnsText, std::string_view rowsText, std::string_view namesText);

// A field of the settings dialog, in its tab order.
enum class SettingsField { Names, Columns, Rows };

// Why the dialog cannot take its input, told beside the field that holds the fault.
struct SettingsProblem {
    SettingsField Field;
    std::string Reason;  // Japanese, code page 932

    bool operator==(const SettingsProblem&) const = default;
};

// The first fault of the input in the fields' tab order: the line count or a name's byte count, then the
// columns' and the rows' range. Nothing when PalletSettingsValid holds.
std::optional<SettingsProblem> PalletSettingsProblem(std::string_view columnsText,
                                                     std::string_view rowsText,
                                                     std::string_view namesText);

// The reason given for a field holding a character that Shift-JIS cannot hold.
std::string NotShiftJisReason();

// The page to select after the dialog set `pageCount` pages: the one selected before when it is still
// there, otherwise the last.
std::int32_t PageAfterSettings(std::int32_t selectedBefore, std::int32_t pageCount);

}  // namespace tintrel
