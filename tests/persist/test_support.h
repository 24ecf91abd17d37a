#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tintrel::test_support {

// `bytes` as a quoted C string literal, so that line breaks, tabs and code page 932 bytes show in
// failure messages.
std::string Escaped(std::string_view bytes);

// The whole file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);

// Creates or replaces the file with exactly `bytes`.
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

// A fresh empty directory for one test, removed with everything in it at the end.
class TemporaryDirectory {
public:
    // In the system's folder for temporary files, or in `base`.
    TemporaryDirectory();
    explicit TemporaryDirectory(const std::filesystem::path& base);
    ~TemporaryDirectory();
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
    // The names of the entries in the directory, sorted and joined by spaces.
    std::string Listing() const;

private:
    std::filesystem::path path_;
};

}  // namespace tintrel::test_support
