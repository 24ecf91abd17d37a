#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tintrel {

enum class ReadOutcome {
    Read,     // `bytes` holds the whole file
    Missing,  // no file there, or a directory in its place
    Failed,   // a file is there but could not be read
};

// Reads the whole file at `path` into `bytes` (left empty unless Read).
ReadOutcome ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

// Replaces the file at `path` (or creates it) with `bytes` in one step: a temporary file beside it is
// written, flushed to the disk and renamed over it, so the file is never seen half-written. Returns
// false when any step fails; the file is then as it was and the temporary file is gone.
bool ReplaceWholeFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tintrel
