#include "persist/temporary_file.h"

#include <charconv>  // std::from_chars
#include <string>

namespace tintrel {
namespace {

using NameString = std::filesystem::path::string_type;

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

}  // namespace

std::filesystem::path TemporaryFileName(const std::filesystem::path& target, std::uint64_t processId, int attempt) {
    std::filesystem::path name = target;
    name +=
        Widen(std::string(kInfix) + std::to_string(processId) + "-" + std::to_string(attempt) + std::string(kSuffix));
    return name;
}

std::optional<std::uint64_t> TemporaryFileProcess(const std::filesystem::path& target,
                                                  const std::filesystem::path& candidate) {
    const NameString prefix = target.filename().native() + Widen(kInfix);
    const NameString name = candidate.filename().native();
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

void RemoveTemporaryFilesOf(const std::filesystem::path& target,
                            const std::function<bool(std::uint64_t processId)>& isRunning) noexcept {
    try {
        std::error_code error;
        const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            const auto process = TemporaryFileProcess(target, entry.path());
            // A running process may be saving right now: its file is not left over.
            if (process && entry.is_regular_file(error) && !isRunning(*process)) {
                std::filesystem::remove(entry.path(), error);
            }
        }
    } catch (...) {
        // Out of memory while listing the folder: the leftovers stay until the next start.
    }
}

}  // namespace tintrel
