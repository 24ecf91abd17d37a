#include "persist/file_names.h"

namespace tintrel {

std::filesystem::path SiblingFileName(const std::filesystem::path& executablePath, std::string_view extension) {
    // Not path::replace_extension: it treats a name that starts with its only dot as having no
    // extension, while the rule here is plainly "from the last dot onward".
    auto name = executablePath.filename().native();
    const auto dot = name.rfind('.');
    if (dot != name.npos) {
        name.erase(dot);
    }
    name.append(extension.begin(), extension.end());
    return executablePath.parent_path() / name;
}

}  // namespace tintrel
