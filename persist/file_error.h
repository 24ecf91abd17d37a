#pragma once

#include <string>
#include <string_view>

#include "base/error.h"
#include "base/file_path.h"

namespace tintrel {

// A file that could not be read or written. The message is a code page 932 text with one "%s",
// where the file's full path goes; the path stays in the system's own spelling so that no character of
// it is lost on its way to the user.
class FileError : public Error {
public:
    FileError(std::string messageFormat, FilePath path);

    const std::string& MessageFormat() const { return messageFormat_; }
    const FilePath& Path() const { return path_; }

private:
    std::string messageFormat_;
    FilePath path_;
};

// ファイル %s は開けません: the file is there but cannot be read.
inline constexpr std::string_view kCannotOpen =
    "\x83t\x83@\x83"
    "C\x83\x8B %s \x82\xCD\x8A"
    "J\x82\xAF\x82\xDC\x82\xB9\x82\xF1";

}  // namespace tintrel
