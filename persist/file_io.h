#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_path.h"

namespace tintrel {

enum class ReadOutcome {
    Read,     // `bytes` holds the whole file
    Missing,  // no file there, or a directory in its place
    Failed,   // a file is there but could not be read
};

// Reads the whole file at `path` into `bytes` (left empty unless Read). The buffer is sized from the
// file, so that reading takes little more memory than the file itself.
ReadOutcome ReadWholeFile(const FilePath& path, std::string& bytes);

// Replaces the file at `path` (or creates it) with the concatenation of `parts`, in one step: a
// temporary file beside it is written, flushed to the disk and put in its place, so the file is never
// seen half-written. A symbolic link stays and the file it points to is replaced. The replacement keeps
// what the user set on the file (its permissions; on Windows also its attributes, security and other
// streams). Where the folder lets no new file be made but the file itself is writable, the file is
// overwritten in place and flushed instead. Returns false when any step fails or the file is
// read-only; the file is then as it was and the temporary file is gone.
bool ReplaceWholeFile(const FilePath& path, std::span<const std::string_view> parts);
inline bool ReplaceWholeFile(const FilePath& path, std::string_view bytes) {
    return ReplaceWholeFile(path, std::span<const std::string_view>(&bytes, 1));
}

// Removes the temporary files that saves of `path` left behind when they were killed midway, and only
// those: files named as ReplaceWholeFile names them whose process no longer runs. Never fails; a file
// that cannot be removed stays.
void RemoveLeftoverTemporaryFiles(const FilePath& path) noexcept;

enum class RenameOutcome {
    Renamed,
    Taken,   // a file of the new name is there; nothing changed
    Failed,  // nothing changed
};

// Gives the file at `from` the full name `to`, never replacing a file that is there.
RenameOutcome RenameWithoutReplacing(const FilePath& from, const FilePath& to);

// Deletes the file at `path` if it can; nothing is reported.
void DeleteFileQuietly(const FilePath& path);

// The full names of the plain files whose full names start with `prefix`, a folder (none for the current
// folder) and the start of a file name; empty when the folder cannot be listed. Where the system can, it
// picks them out itself, so that a large folder costs nothing.
std::vector<FilePath> FilesStartingWith(const FilePath& prefix);

}  // namespace tintrel
