#include "persist/format_list_file.h"

#include "base/cp932_text.h"
#include "persist/file_error.h"
#include "persist/file_io.h"

namespace tintrel {

namespace {

// ファイル %s を作成できません
constexpr std::string_view kCannotCreate =
    "\x83t\x83@\x83"
    "C\x83\x8B %s \x82\xF0\x8D\xEC\x90\xAC\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1";

}  // namespace

std::string NormalizeLineBreaks(std::string_view text) {
    std::string normalized;
    normalized.reserve(text.size() + text.size() / 16);
    for (std::size_t pos = 0; pos < text.size();) {
        const char byte = text[pos];
        if (byte == '\r' || byte == '\n') {
            normalized += "\r\n";
            pos += byte == '\r' && text.substr(pos + 1, 1) == "\n" ? 2 : 1;
            continue;
        }
        const std::size_t length = Cp932CharLength(text, pos);
        normalized.append(text, pos, length);
        pos += length;
    }
    return normalized;
}

std::optional<std::string> ReadFormatListFile(const FilePath& path) {
    std::string bytes;
    switch (ReadWholeFile(path, bytes)) {
        case ReadOutcome::Read:
            return NormalizeLineBreaks(bytes);
        case ReadOutcome::Missing:
            return std::nullopt;
        case ReadOutcome::Failed:
            break;
    }
    throw FileError(std::string(kCannotOpen), path);
}

void WriteFormatListFile(const FilePath& path, std::string_view text) {
    if (!ReplaceWholeFile(path, text)) {
        throw FileError(std::string(kCannotCreate), path);
    }
}

}  // namespace tintrel
