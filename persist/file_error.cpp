#include "persist/file_error.h"

#include <utility>

namespace tintrel {

FileError::FileError(std::string messageFormat, FilePath path)
    : Error(messageFormat), messageFormat_(std::move(messageFormat)), path_(std::move(path)) {}

}  // namespace tintrel
