#pragma once

#include <string_view>

#include "base/file_path.h"

namespace tintrel {

// The name of a file beside the executable: the executable's full path with the part of its file name
// from the last dot onward replaced by `extension` (".ini"), or `extension` appended when there is no dot.
FilePath SiblingFileName(const FilePath& executablePath, std::string_view extension);

}  // namespace tintrel
