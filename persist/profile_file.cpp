#include "persist/profile_file.h"

#include <charconv>  // std::to_chars: no locale can change the digits
#include <optional>
#include <utility>

#include "base/integer_parse.h"
#include "persist/file_error.h"
#include "persist/file_io.h"

namespace tintrel {
namespace {

// "%s に書き込めません" (cannot write to %s) in code page 932.
constexpr std::string_view kCannotWrite = "%s \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1";

// The file as it is now; nothing when it is there but cannot be read or its encoding cannot be told.
std::optional<ProfileDocument> ReadDocument(const FilePath& path) {
    std::string bytes;
    switch (ReadWholeFile(path, bytes)) {
        case ReadOutcome::Read:
            return ProfileDocument::FromFileBytes(std::move(bytes));
        case ReadOutcome::Missing:
            return ProfileDocument();
        case ReadOutcome::Failed:
            break;
    }
    return std::nullopt;
}

}  // namespace

ProfileFile::ProfileFile(NoFile) {}

ProfileFile::ProfileFile(FilePath path) : path_(std::move(path)) {
    auto document = ReadDocument(path_);
    read_ = document.has_value();
    if (document) {
        document_ = std::move(*document);
    }
}

void ProfileFile::CheckRead() const {
    if (!read_) {
        throw FileError(std::string(kCannotOpen), path_);
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
    // The document read at the start goes first, so that a large file is not held twice while saved;
    // the pending writes are kept to be replayed.
    document_ = ProfileDocument();
    auto current = ReadDocument(path_);
    // A file that is there but unreadable must not be replaced by the block's writes alone, nor a file
    // in an unknown encoding be added to in another. Its values cannot be read now either.
    const bool readable = current.has_value();
    document_ = readable ? std::move(*current) : ProfileDocument();
    for (const Change& change : changes_) {
        if (!OverwritesOthers(document_, change)) {
            Apply(document_, change);
        }
    }
    std::string encoded;
    if (path_.empty() || !readable || !ReplaceWholeFile(path_, document_.Parts(encoded))) {
        throw FileError(std::string(kCannotWrite), path_);
    }
    changes_.clear();
}

ProfileDocument ProfileFile::TakeDocument() {
    return std::exchange(document_, ProfileDocument());
}

bool ProfileFile::OverwritesOthers(const ProfileDocument& now, const Change& change) const {
    if (asRead_ == nullptr || change.erase) {
        return false;
    }
    auto read = asRead_->Value(change.section, change.key);
    if (!read && started_ != nullptr) {
        read = started_->Value(change.section, change.key);
    }
    if (!read || *read != ProfileDocument::ValueAsWritten(change.value)) {
        return false;  // a new key, or one this run changed
    }
    const auto current = now.Value(change.section, change.key);
    return current && *current != *read;
}

void ProfileFile::Apply(ProfileDocument& document, const Change& change) {
    if (change.erase) {
        document.EraseSection(change.section);
    } else {
        document.Set(change.section, change.key, change.value);
    }
}

}  // namespace tintrel
