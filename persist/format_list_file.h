#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/file_path.h"

namespace tintrel {

// The format list file: the templates as code page 932 text, one per line, lines ended by CR LF.

// `text` with every line break made CR LF: a CR LF pair stays, a lone CR or LF becomes CR LF. The text
// is stepped through by whole characters, so the second byte of a double-byte character is never
// taken for a line break.
std::string NormalizeLineBreaks(std::string_view text);

// The file's whole text with its line breaks normalised, or nothing when there is no such file.
// Throws FileError ("ファイル %s は開けません") when the file is there but cannot be read.
std::optional<std::string> ReadFormatListFile(const FilePath& path);

// Replaces the file with exactly `text`, in one step, so that it is never left half-written. Throws
// FileError ("ファイル %s を作成できません") when it cannot be written; the file is then as it was.
void WriteFormatListFile(const FilePath& path, std::string_view text);

}  // namespace tintrel
