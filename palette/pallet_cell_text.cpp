#include "palette/pallet_cell_text.h"

#include <string>
#include <string_view>

namespace tintrel {
namespace {

// "現在の色："
constexpr std::string_view kCurrentLabel = "\x8C\xBB\x8D\xDD\x82\xCC\x90\x46\x81\x46";
// "予備の色："
constexpr std::string_view kSpareLabel = "\x97\x5C\x94\xF5\x82\xCC\x90\x46\x81\x46";
// "コントラスト比："
constexpr std::string_view kContrastLabel = "\x83\x52\x83\x93\x83\x67\x83\x89\x83\x58\x83\x67\x94\xE4\x81\x46";

// "行", "列", "現在の色", "予備の色"
constexpr std::string_view kRow = "\x8D\x73";
constexpr std::string_view kColumn = "\x97\xF1";
constexpr std::string_view kCurrentName = kCurrentLabel.substr(0, 8);
constexpr std::string_view kSpareName = kSpareLabel.substr(0, 8);

}  // namespace

std::string CellHexText(std::int32_t color) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const auto bits = static_cast<std::uint32_t>(color);
    std::string text;
    for (const int shift : {0, 8, 16}) {
        const auto byte = (bits >> shift) & 0xFFu;
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0xFu];
    }
    return text;
}

std::string CurrentColorText(std::int32_t color) {
    return std::string(kCurrentLabel) + CellHexText(color);
}

std::string CellHintText(std::int32_t current, std::int32_t spare, std::string_view contrastRatio) {
    std::string text = CurrentColorText(current);
    text += "\r\n";
    text += kSpareLabel;
    text += CellHexText(spare);
    text += "\r\n";
    text += kContrastLabel;
    text += contrastRatio;
    text += ":1";
    return text;
}

std::string CellAccessibleName(std::int32_t column, std::int32_t row, std::int32_t current, std::int32_t spare) {
    std::string text = std::to_string(row + 1);
    text += kRow;
    text += std::to_string(column + 1);
    text += kColumn;
    text += ' ';
    text += kCurrentName;
    text += ' ';
    text += CellHexText(current);
    text += ' ';
    text += kSpareName;
    text += ' ';
    text += CellHexText(spare);
    return text;
}

}  // namespace tintrel
