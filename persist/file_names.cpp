#include "persist/file_names.h"

#include <filesystem>  // std::filesystem::path::preferred_separator

namespace tintrel {

FilePath SiblingFileName(const FilePath& executablePath, std::string_view extension) {
    // The file name is what follows the last separator; a dot before it belongs to a folder's name.
    const FilePath::value_type separators[] = {'/', std::filesystem::path::preferred_separator, 0};
    const auto nameStart = executablePath.find_last_of(separators) + 1;  // 0 when there is none
    FilePath sibling = executablePath;
    const auto dot = sibling.rfind('.');
    if (dot != sibling.npos && dot >= nameStart) {
        sibling.erase(dot);
    }
    sibling.append(extension.begin(), extension.end());
    return sibling;
}

}  // namespace tintrel
