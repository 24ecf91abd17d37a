#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tintrel {

// A cell colour as six upper-case hexadecimal digits, red, green and blue ("1A2B3C" for 0x003C2B1A).
// Only the three low bytes count, so a hand-edited value with a high byte or the sign bit shows the
// colour it paints.
std::string CellHexText(std::int32_t color);

// "現在の色：" followed by the colour's CellHexText, in code page 932: a tool-tip's first line.
std::string CurrentColorText(std::int32_t color);

// The tool-tip of a cell, in code page 932: "現在の色：" current CR LF "予備の色：" spare CR LF
// "コントラスト比：" followed by `contrastRatio` (the two colours' contrast, as text) and ":1".
std::string CellHintText(std::int32_t current, std::int32_t spare, std::string_view contrastRatio);

// The name a screen reader gives a cell, in code page 932, with its row and column counted from 1:
// "2行3列 現在の色 1A2B3C 予備の色 000000".
std::string CellAccessibleName(std::int32_t column, std::int32_t row, std::int32_t current, std::int32_t spare);

}  // namespace tintrel
