#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace tintrel {

// A file that could not be read or written. The message is a code page 932 text with one "%s",
// where the file's full path goes; the path stays a path so that no character of it is lost on
// its way to the user.
class FileError : public std::runtime_error {
public:
    FileError(std::string messageFormat, std::filesystem::path path);

    const std::string& MessageFormat() const { return messageFormat_; }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::string messageFormat_;
    std::filesystem::path path_;
};

}  // namespace tintrel
