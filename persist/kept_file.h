#pragma once

#include <cstdint>

#include "base/file_path.h"

namespace tintrel {

// The name a file that could not be read is kept under: `path` followed by ".unreadable-" and `number`.
FilePath KeptFileName(const FilePath& path, std::uint32_t number);

// The first name KeptFileName(path, n), n from 1, that no file has.
FilePath FreeKeptFileName(const FilePath& path);

// Renames the file at `path` to the first free KeptFileName, never replacing a file, so that a new file
// can take its place while its bytes stay; returns the new name. Throws FileError ("%s に書き込めません",
// with `path`) when it cannot be renamed.
FilePath KeepUnderFreeName(const FilePath& path);

}  // namespace tintrel
