#include "persist/profile_line.h"

#include "base/cp932_text.h"

namespace tintrel::profile_line {
namespace {

// Around names and values in the file; the arguments lose spaces only.
constexpr std::string_view kBlanks = " \t\v";

std::size_t CharLength(std::string_view text, std::size_t pos, Text encoding) {
    return encoding == Text::kCp932 ? Cp932CharLength(text, pos) : 1;
}

// The service reads the file as characters, so a second byte such as the 0x5D of "ゾ" is never a "]".
std::size_t FindCloseBracket(std::string_view text, Text encoding) {
    for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos, encoding)) {
        if (text[pos] == ']') {
            return pos;
        }
    }
    return text.npos;
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string_view Trim(std::string_view text, std::string_view blanks) {
    const auto start = text.find_first_not_of(blanks);
    if (start == text.npos) {
        return {};
    }
    return text.substr(start, text.find_last_not_of(blanks) - start + 1);
}

Parts Parse(std::string_view line, Text encoding) {
    line = Trim(line, kBlanks);
    if (line.empty()) {
        return {Kind::kBlank, {}, {}};
    }
    if (line.front() == '[') {
        // The name ends at the first "]"; a header without one runs to the end of the line.
        line.remove_prefix(1);
        return {Kind::kHeader, Trim(line.substr(0, FindCloseBracket(line, encoding)), kBlanks), {}};
    }
    if (line.front() == ';') {
        return {Kind::kComment, {}, {}};
    }
    const auto equals = line.find('=');
    if (equals == line.npos) {
        return {Kind::kText, {}, {}};
    }
    return {Kind::kKey, Trim(line.substr(0, equals), kBlanks), Trim(line.substr(equals + 1), kBlanks)};
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::size_t NameHash::operator()(std::string_view name) const {
    std::size_t hash = 14695981039346656037u;
    for (std::size_t pos = 0; pos < name.size();) {
        const std::size_t length = CharLength(name, pos, encoding);
        for (std::size_t index = 0; index < length; ++index) {
            const char c = index == 0 && length == 1 ? Upper(name[pos]) : name[pos + index];
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
        }
        pos += length;
    }
    return hash;
}

bool NameEqual::operator()(std::string_view first, std::string_view second) const {
    if (first.size() != second.size()) {
        return false;
    }
    for (std::size_t pos = 0; pos < first.size();) {
        const std::size_t length = CharLength(first, pos, encoding);
        if (length != CharLength(second, pos, encoding)) {
            return false;
        }
        if (length == 1 ? Upper(first[pos]) != Upper(second[pos]) : first.substr(pos, 2) != second.substr(pos, 2)) {
            return false;
        }
        pos += length;
    }
    return true;
}

}  // namespace tintrel::profile_line
