#pragma once

#include <filesystem>
#include <system_error>
#include <utility>

namespace tintrel {

// A temporary file beside the one it will replace, deleted on leaving the scope unless it has been
// renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::filesystem::path path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.empty()) {
            std::error_code ignored;
            std::filesystem::remove(path_, ignored);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The file has been renamed into place: it is no longer ours to delete.
    void Keep() { path_.clear(); }

private:
    std::filesystem::path path_;
};

}  // namespace tintrel
