#include "persist/kept_file.h"

#include <string>

#include "persist/file_error.h"
#include "persist/file_io.h"

namespace tintrel {
namespace {

// "%s に書き込めません" (cannot write to %s) in code page 932.
constexpr std::string_view kCannotWrite = "%s \x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xDC\x82\xB9\x82\xF1";

// Enough numbers for any folder; past them the rename is reported as failed rather than tried forever.
constexpr std::uint32_t kLastNumber = 100000;

bool Exists(const FilePath& path) {
    std::string bytes;
    return ReadWholeFile(path, bytes) != ReadOutcome::Missing;
}

}  // namespace

FilePath KeptFileName(const FilePath& path, std::uint32_t number) {
    FilePath name = path;
    for (const char c : ".unreadable-" + std::to_string(number)) {
        name += static_cast<FilePath::value_type>(c);
    }
    return name;
}

FilePath FreeKeptFileName(const FilePath& path) {
    std::uint32_t number = 1;
    while (number < kLastNumber && Exists(KeptFileName(path, number))) {
        ++number;
    }
    return KeptFileName(path, number);
}

FilePath KeepUnderFreeName(const FilePath& path) {
    for (std::uint32_t number = 1; number <= kLastNumber; ++number) {
        FilePath name = KeptFileName(path, number);
        switch (RenameWithoutReplacing(path, name)) {
            case RenameOutcome::Renamed:
                return name;
            case RenameOutcome::Taken:
                break;
            case RenameOutcome::Failed:
                throw FileError(std::string(kCannotWrite), path);
        }
    }
    throw FileError(std::string(kCannotWrite), path);
}

}  // namespace tintrel
