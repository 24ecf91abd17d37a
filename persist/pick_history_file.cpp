#include "persist/pick_history_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace tintrel {
namespace {

constexpr std::string_view kHistory = "History";
constexpr std::string_view kCount = "Count";
constexpr auto kMostColors = static_cast<std::int32_t>(PickHistory::kMostColors);

std::string ColorKey(std::size_t index) {
    return "C_" + std::to_string(index);
}

}  // namespace

void ReadHistorySection(const ProfileFile& file, PickHistory& history) {
    const std::int32_t count = file.ReadInteger(kHistory, kCount, -1);
    const auto keys = static_cast<std::size_t>(count >= 0 && count <= kMostColors ? count : kMostColors);
    std::vector<std::int32_t> colors;
    for (std::size_t index = 0; index < keys; ++index) {
        // -1 is no colour, so a value that is no number is passed over with the ones out of range.
        const std::int32_t color = file.ReadInteger(kHistory, ColorKey(index), -1);
        if (color >= 0) {
            colors.push_back(color);
        }
    }
    history.Load(colors);
}

void WriteHistorySection(ProfileFile& file, const PickHistory& history) {
    if (!history.Changed()) {
        return;
    }
    file.EraseSection(kHistory);
    const std::vector<std::int32_t>& colors = history.Colors();
    if (colors.empty()) {
        return;
    }
    file.WriteInteger(kHistory, kCount, static_cast<std::int32_t>(colors.size()));
    for (std::size_t index = 0; index < colors.size(); ++index) {
        file.WriteInteger(kHistory, ColorKey(index), colors[index]);
    }
}

}  // namespace tintrel
