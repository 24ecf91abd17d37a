#pragma once

#include <cstddef>
#include <string_view>
#include <unordered_map>

namespace tintrel::profile_line {

// How one line of a profile file reads. A line is code page 932 text, or generalised UTF-8 for a
// UTF-16 file, where every byte of a non-ASCII character is a byte of its own.
enum class Text { kCp932, kWtf8 };

enum class Kind { kBlank, kComment, kHeader, kKey, kText };

struct Parts {
    Kind kind;
    std::string_view name;   // header or key name, trimmed
    std::string_view value;  // key value, trimmed, quotes still on
};

// `text` without leading and trailing bytes of `blanks`.
std::string_view Trim(std::string_view text, std::string_view blanks);

// Parses one line, without its line break.
Parts Parse(std::string_view line, Text encoding);

// The value with one pair of enclosing quotes removed.
std::string_view Unquote(std::string_view value);

// Names compare without letter case. Only single-byte letters fold (the service also folds full-width
// ones, but the program's names are ASCII), and never a second byte, which would merge different
// double-byte characters.
struct NameHash {
    Text encoding;
    std::size_t operator()(std::string_view name) const;
};
struct NameEqual {
    Text encoding;
    bool operator()(std::string_view first, std::string_view second) const;
};

// Names, as views into the document's text, to the index of the line or section they name.
using NameIndex = std::unordered_map<std::string_view, std::size_t, NameHash, NameEqual>;

}  // namespace tintrel::profile_line
