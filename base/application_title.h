#pragma once

#include <string_view>

namespace tintrel {

// Shown on the task bar and as the caption of every message box.
inline constexpr std::string_view kApplicationTitle = "Tintrel";

}  // namespace tintrel
