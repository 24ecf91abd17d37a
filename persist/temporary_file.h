#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "base/file_path.h"
#include "persist/file_io.h"

namespace tintrel {

// A temporary file beside the one it will replace, deleted on leaving the scope unless it has been
// renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(FilePath path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.empty()) {
            DeleteFileQuietly(path_);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const FilePath& Path() const { return path_; }
    // The file has been renamed into place: it is no longer ours to delete.
    void Keep() { path_.clear(); }

private:
    FilePath path_;
};

// The name of the temporary file that process `processId` writes, at its `attempt`-th try, to replace
// `target`: beside it, "Tintrel.ini.~save-4711-0.tmp" for "Tintrel.ini".
FilePath TemporaryFileName(const FilePath& target, std::uint64_t processId, int attempt);

// The process that wrote `candidate` when it is a name that TemporaryFileName gives for `target`
// (the same folder assumed); nothing for any other name.
std::optional<std::uint64_t> TemporaryFileProcess(const FilePath& target, const FilePath& candidate);

// Removes the temporary files for `target` in its folder whose process is not running. Never fails.
void RemoveTemporaryFilesOf(const FilePath& target,
                            const std::function<bool(std::uint64_t processId)>& isRunning) noexcept;

}  // namespace tintrel
