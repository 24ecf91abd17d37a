#pragma once

#include <filesystem>
#include <string_view>

namespace tintrel {

// The name of a file beside the executable: the executable's full path with the part of its file name
// from the last dot onward replaced by `extension` (".ini"), or `extension` appended when there is no dot.
std::filesystem::path SiblingFileName(const std::filesystem::path& executablePath, std::string_view extension);

}  // namespace tintrel
