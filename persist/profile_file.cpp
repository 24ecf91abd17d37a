#include "persist/profile_file.h"

#include <charconv>  // std::to_chars: no locale can change the digits
#include <utility>

#include "base/integer_parse.h"
#include "persist/file_error.h"
#include "persist/file_io.h"

namespace tintrel {
namespace {

// "%s に書き込めません" (cannot write to %s) in code page 932.
constexpr std::string_view kCannotWrite = "%s \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1";

// The service reads a file that starts with this byte-order mark as UTF-16. The program only ever
// writes code page 932, so such a file was saved by hand: reading it as code page 932 would give
// garbage, and rewriting it would destroy it.
bool IsUtf16(std::string_view bytes) {
    return bytes.starts_with("\xFF\xFE");
}

}  // namespace

ProfileFile::ProfileFile(FilePath path) : path_(std::move(path)) {
    std::string bytes;
    if (ReadWholeFile(path_, bytes) == ReadOutcome::Read && !IsUtf16(bytes)) {
        document_ = ProfileDocument(bytes);
    }
}

ProfileFile::~ProfileFile() = default;

std::string ProfileFile::ReadString(std::string_view section,
                                    std::string_view key,
                                    std::string_view defaultValue) const {
    auto value = document_.Value(section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

std::int32_t ProfileFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const {
    return ParseInteger(ReadString(section, key, ""), defaultValue);
}

bool ProfileFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void ProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Change change{std::string(section), std::string(key), std::string(value), false};
    Apply(document_, change);
    changes_.push_back(std::move(change));
}

void ProfileFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    WriteString(section, key, std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

void ProfileFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

bool ProfileFile::SectionExists(std::string_view section) const {
    return document_.HasKeys(section);
}

void ProfileFile::EraseSection(std::string_view section) {
    Change change{std::string(section), {}, {}, true};
    Apply(document_, change);
    changes_.push_back(std::move(change));
}

void ProfileFile::Commit() {
    if (changes_.empty()) {
        return;
    }
    std::string bytes;
    // A file that is there but unreadable must not be replaced by the block's writes alone.
    if (ReadWholeFile(path_, bytes) == ReadOutcome::Failed || IsUtf16(bytes)) {
        throw FileError(std::string(kCannotWrite), path_);
    }
    ProfileDocument current(bytes);
    for (const Change& change : changes_) {
        Apply(current, change);
    }
    if (!ReplaceWholeFile(path_, current.Bytes())) {
        throw FileError(std::string(kCannotWrite), path_);
    }
    document_ = std::move(current);
    changes_.clear();
}

void ProfileFile::Apply(ProfileDocument& document, const Change& change) {
    if (change.erase) {
        document.EraseSection(change.section);
    } else {
        document.Set(change.section, change.key, change.value);
    }
}

}  // namespace tintrel
