#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tintrel {

// The colours taken off the screen, newest first, as many as a palette page has cells. Colours are
// 0x00BBGGRR values; each is held once.
class PickHistory {
public:
    // The most a history holds: a page of 16 by 16 cells.
    static constexpr std::size_t kMostColors = 256;

    // Puts `color` first; a colour held already moves there from its place, and when the history is
    // full the oldest goes.
    void Record(std::int32_t color);
    // Removes the colour at `index` (0 the newest); false, changing nothing, beyond the end.
    bool Remove(std::size_t index);
    void Clear();

    // How many colours fit, from now on: the newest that fit stay. Not counted as a change, since it
    // follows the page's size, which is stored anyway.
    void SetCapacity(std::size_t capacity);
    std::size_t Capacity() const { return capacity_; }

    // Takes the colours as loaded, newest first: values that are no colour (outside 0 to 0xFFFFFF) and
    // repeats are left out, and only the newest that fit stay. Clears Changed().
    void Load(const std::vector<std::int32_t>& colors);

    const std::vector<std::int32_t>& Colors() const { return colors_; }
    // The colour at `index` (0 the newest), nullopt beyond the end.
    std::optional<std::int32_t> At(std::size_t index) const;
    // True when a record, removal or clearing changed the colours since the last Load.
    bool Changed() const { return changed_; }

private:
    void Trim();

    std::vector<std::int32_t> colors_;
    std::size_t capacity_ = 0;
    bool changed_ = false;
};

// The name a screen reader gives the history's place `index` (0 the newest), in code page 932:
// "履歴 3 番目 1A2B3C", or "履歴 3 番目 なし" for an empty place.
std::string HistoryPlaceName(std::size_t index, std::optional<std::int32_t> color);

// The tool-tip of a history cell, in code page 932: "現在の色：" and the colour ("現在の色：1A2B3C"). A
// history cell has no spare colour to name.
std::string HistoryHintText(std::int32_t color);

}  // namespace tintrel
