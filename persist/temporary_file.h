#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
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

// The name of the temporary file that process `processId` writes, at its `attempt`-th try, to replace
// `target`: beside it, "Tintrel.ini.~save-4711-0.tmp" for "Tintrel.ini".
std::filesystem::path TemporaryFileName(const std::filesystem::path& target, std::uint64_t processId, int attempt);

// The process that wrote `candidate` when it is a name that TemporaryFileName gives for `target`
// (the same folder assumed); nothing for any other name.
std::optional<std::uint64_t> TemporaryFileProcess(const std::filesystem::path& target,
                                                  const std::filesystem::path& candidate);

// Removes the temporary files for `target` in its folder whose process is not running. Never fails.
void RemoveTemporaryFilesOf(const std::filesystem::path& target,
                            const std::function<bool(std::uint64_t processId)>& isRunning) noexcept;

}  // namespace tintrel
