#pragma once

#include <filesystem>

namespace tintrel {

// A file's full name as the system spells it: UTF-16 on Windows, bytes elsewhere. The program keeps
// names in this plain string rather than in std::filesystem::path, whose library code brings the whole
// C++ locale machinery into a statically linked executable and doubles its size; a path converts to it.
using FilePath = std::filesystem::path::string_type;

}  // namespace tintrel
