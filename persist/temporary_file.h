#pragma once

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

}  // namespace tintrel
