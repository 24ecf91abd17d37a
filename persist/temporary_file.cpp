#include "persist/temporary_file.h"

#include <charconv>    // std::from_chars
#include <filesystem>  // std::filesystem::path::preferred_separator
#include <string>

namespace tintrel {
namespace {

using NameString = FilePath;

constexpr std::string_view kInfix = ".~save-";
constexpr std::string_view kSuffix = ".tmp";

NameString Widen(std::string_view ascii) {
    return NameString(ascii.begin(), ascii.end());
}

// The digits at the start of `text`, as a number, and the rest; nothing when there are none.
std::optional<std::pair<std::uint64_t, NameString>> SplitNumber(const NameString& text) {
    std::string digits;
    while (digits.size() < text.size() && text[digits.size()] >= '0' && text[digits.size()] <= '9') {
        digits += static_cast<char>(text[digits.size()]);
    }
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return std::pair(number, text.substr(digits.size()));
}

// The file name without its folder.
NameString FileNameOf(const FilePath& path) {
    const FilePath::value_type separators[] = {'/', std::filesystem::path::preferred_separator, 0};
    const auto separator = path.find_last_of(separators);
    return separator == FilePath::npos ? path : path.substr(separator + 1);
}

}  // namespace

FilePath TemporaryFileName(const FilePath& target, std::uint64_t processId, int attempt) {
    FilePath name = target;
    name +=
        Widen(std::string(kInfix) + std::to_string(processId) + "-" + std::to_string(attempt) + std::string(kSuffix));
    return name;
}

std::optional<std::uint64_t> TemporaryFileProcess(const FilePath& target, const FilePath& candidate) {
    const NameString prefix = FileNameOf(target) + Widen(kInfix);
    const NameString name = FileNameOf(candidate);
    if (!name.starts_with(prefix)) {
        return std::nullopt;
    }
    const auto process = SplitNumber(name.substr(prefix.size()));
    if (!process || !process->second.starts_with('-')) {
        return std::nullopt;
    }
    const auto attempt = SplitNumber(process->second.substr(1));
    if (!attempt || attempt->second != Widen(kSuffix)) {
        return std::nullopt;
    }
    return process->first;
}

void RemoveTemporaryFilesOf(const FilePath& target,
                            const std::function<bool(std::uint64_t processId)>& isRunning) noexcept {
    try {
        for (const FilePath& file : FilesStartingWith(target + Widen(kInfix))) {
            const auto process = TemporaryFileProcess(target, file);
            // A running process may be saving right now: its file is not left over.
            if (process && !isRunning(*process)) {
                DeleteFileQuietly(file);
            }
        }
    } catch (...) {
        // Out of memory while listing the folder: the leftovers stay until the next start.
    }
}

}  // namespace tintrel
