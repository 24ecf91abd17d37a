#pragma once

#include <string>
#include <string_view>

#include "base/file_path.h"

namespace tintrel {

enum class ReadOutcome {
    Read,     // `bytes` holds the whole file
    Missing,  // no file there, or a directory in its place
    Failed,   // a file is there but could not be read
};

// Reads the whole file at `path` into `bytes` (left empty unless Read).
ReadOutcome ReadWholeFile(const FilePath& path, std::string& bytes);

// Replaces the file at `path` (or creates it) with `bytes` in one step: a temporary file beside it is
// written, flushed to the disk and renamed over it, so the file is never seen half-written. Returns
// false when any step fails; the file is then as it was and the temporary file is gone.
bool ReplaceWholeFile(const FilePath& path, std::string_view bytes);

// Deletes the file at `path` if it can; nothing is reported.
void DeleteFileQuietly(const FilePath& path);

}  // namespace tintrel
