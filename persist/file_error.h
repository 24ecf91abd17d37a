#pragma once

#include <stdexcept>
#include <string>

#include "base/file_path.h"

namespace tintrel {

// A file that could not be read or written. The message is a code page 932 text with one "%s",
// where the file's full path goes; the path stays in the system's own spelling so that no character of
// it is lost on its way to the user.
class FileError : public std::runtime_error {
public:
    FileError(std::string messageFormat, FilePath path);

    const std::string& MessageFormat() const { return messageFormat_; }
    const FilePath& Path() const { return path_; }

private:
    std::string messageFormat_;
    FilePath path_;
};

}  // namespace tintrel
