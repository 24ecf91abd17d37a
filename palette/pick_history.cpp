#include "palette/pick_history.h"

#include <algorithm>
#include <string_view>

#include "palette/pallet_cell_text.h"

namespace tintrel {
namespace {

// "履歴", "番目", "なし"
constexpr std::string_view kHistoryWord = "\x97\x9A\x97\xF0";
constexpr std::string_view kOrdinal = "\x94\xD4\x96\xDA";
constexpr std::string_view kNone = "\x82\xC8\x82\xB5";

constexpr std::int32_t kLargestColor = 0x00FFFFFF;

}  // namespace

void PickHistory::Record(std::int32_t color) {
    if (capacity_ == 0) {
        return;
    }
    const auto held = std::ranges::find(colors_, color);
    if (held == colors_.begin() && held != colors_.end()) {
        return;
    }
    if (held != colors_.end()) {
        colors_.erase(held);
    }
    colors_.insert(colors_.begin(), color);
    Trim();
    changed_ = true;
}

bool PickHistory::Remove(std::size_t index) {
    if (index >= colors_.size()) {
        return false;
    }
    colors_.erase(colors_.begin() + static_cast<std::ptrdiff_t>(index));
    changed_ = true;
    return true;
}

void PickHistory::Clear() {
    changed_ = changed_ || !colors_.empty();
    colors_.clear();
}

void PickHistory::SetCapacity(std::size_t capacity) {
    capacity_ = std::min(capacity, kMostColors);
    Trim();
}

void PickHistory::Load(const std::vector<std::int32_t>& colors) {
    colors_.clear();
    for (const std::int32_t color : colors) {
        if (colors_.size() == capacity_) {
            break;
        }
        if (color >= 0 && color <= kLargestColor && std::ranges::find(colors_, color) == colors_.end()) {
            colors_.push_back(color);
        }
    }
    changed_ = false;
}

std::optional<std::int32_t> PickHistory::At(std::size_t index) const {
    if (index >= colors_.size()) {
        return std::nullopt;
    }
    return colors_[index];
}

void PickHistory::Trim() {
    if (colors_.size() > capacity_) {
        colors_.resize(capacity_);
    }
}

std::string HistoryPlaceName(std::size_t index, std::optional<std::int32_t> color) {
    std::string name(kHistoryWord);
    name += ' ';
    name += std::to_string(index + 1);
    name += ' ';
    name += kOrdinal;
    name += ' ';
    name += color ? CellHexText(*color) : std::string(kNone);
    return name;
}

std::string HistoryHintText(std::int32_t color) {
    return CurrentColorText(color);
}

}  // namespace tintrel
