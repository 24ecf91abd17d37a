#include "persist/profile_document.h"

#include <stdexcept>  // std::invalid_argument
#include <utility>

#include "base/cp932_text.h"

namespace tintrel {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kCr = "\r";
constexpr std::string_view kLf = "\n";
// Around names and values in the file; the arguments lose spaces only.
constexpr std::string_view kBlanks = " \t\v";

enum class LineKind { kBlank, kComment, kHeader, kKey, kText };

struct LineParts {
    LineKind kind;
    std::string_view name;   // header or key name, trimmed
    std::string_view value;  // key value, trimmed, quotes still on
};

// The service reads the file as characters, so a second byte such as the 0x5D of "ゾ" is never a "]".
std::size_t FindCloseBracket(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size(); pos += Cp932CharLength(text, pos)) {
        if (text[pos] == ']') {
            return pos;
        }
    }
    return text.npos;
}

std::string_view Trim(std::string_view text, std::string_view blanks) {
    const auto start = text.find_first_not_of(blanks);
    if (start == text.npos) {
        return {};
    }
    return text.substr(start, text.find_last_not_of(blanks) - start + 1);
}

// Names compare without letter case. Only single-byte letters fold (the service also folds
// full-width ones, but the program's names are ASCII), and never a second byte, which would merge
// different double-byte characters.
std::string Fold(std::string_view name) {
    std::string folded(name);
    for (std::size_t pos = 0; pos < folded.size(); pos += Cp932CharLength(folded, pos)) {
        if (folded[pos] >= 'a' && folded[pos] <= 'z') {
            folded[pos] = static_cast<char>(folded[pos] - 'a' + 'A');
        }
    }
    return folded;
}

std::string FoldArgument(std::string_view name) {
    return Fold(Trim(name, " "));
}

LineParts ParseLine(std::string_view text) {
    text = Trim(text, kBlanks);
    if (text.empty()) {
        return {LineKind::kBlank, {}, {}};
    }
    if (text.front() == '[') {
        // The name ends at the first "]"; a header without one runs to the end of the line.
        text.remove_prefix(1);
        return {LineKind::kHeader, Trim(text.substr(0, FindCloseBracket(text)), kBlanks), {}};
    }
    if (text.front() == ';') {
        return {LineKind::kComment, {}, {}};
    }
    const auto equals = text.find('=');
    if (equals == text.npos) {
        return {LineKind::kText, {}, {}};
    }
    return {LineKind::kKey, Trim(text.substr(0, equals), kBlanks), Trim(text.substr(equals + 1), kBlanks)};
}

// What a read through the service's 2048-byte buffer returns. The cut never splits a double-byte
// character: a lead byte left alone at the end would turn into a different character on display.
std::string_view CutToBuffer(std::string_view value) {
    if (value.size() <= ProfileDocument::kMaxValueBytes) {
        return value;
    }
    std::size_t end = 0;
    while (end + Cp932CharLength(value, end) <= ProfileDocument::kMaxValueBytes) {
        end += Cp932CharLength(value, end);
    }
    return value.substr(0, end);
}

std::string Concat(std::string_view first, std::string_view second, std::string_view third) {
    std::string text;
    text.reserve(first.size() + second.size() + third.size());
    return text.append(first).append(second).append(third);
}

bool HoldsLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

// A write must read back as written, and a value must never add lines, sections or keys of its own:
// the header and the key line are parsed back to check that they give the same names.
void CheckStorable(std::string_view section, std::string_view key, std::string_view value) {
    const std::string headerText = Concat("[", section, "]");
    const std::string keyText = Concat(key, "=", "");
    const LineParts header = ParseLine(headerText);
    const LineParts keyLine = ParseLine(keyText);
    const bool storable = !HoldsLineBreak(section) && !HoldsLineBreak(key) && !HoldsLineBreak(value) &&
                          header.kind == LineKind::kHeader && header.name == section &&
                          keyLine.kind == LineKind::kKey && keyLine.name == key;
    if (!storable) {
        // ファイルに書き込めない名前か値があります
        throw std::invalid_argument(
            "\x83t\x83@\x83"
            "C\x83\x8B\x82\xC9\x8F\x91\x82\xAB\x8D\x9E\x82\xDF\x82\xC8\x82\xA2\x96\xBC\x91O\x82\xA9\x92l\x82\xAA"
            "\x82\xA0\x82\xE8\x82\xDC\x82\xB7");
    }
}

}  // namespace

ProfileDocument::ProfileDocument(std::string_view bytes) {
    Section* section = nullptr;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        Line line;
        const auto end = bytes.find_first_of("\r\n", pos);
        if (end == bytes.npos) {
            line.text = bytes.substr(pos);
            pos = bytes.size();
        } else {
            line.text = bytes.substr(pos, end - pos);
            const bool crLf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
            line.lineBreak = crLf ? kCrLf : bytes[end] == '\r' ? kCr : kLf;
            pos = end + line.lineBreak.size();
        }
        const LineParts parts = ParseLine(line.text);
        if (parts.kind == LineKind::kHeader) {
            section = &sections_.emplace_back();
            section->header = std::move(line);
            continue;
        }
        if (section == nullptr) {
            preamble_.push_back(std::move(line));
            continue;
        }
        const std::size_t index = section->body.size();
        if (parts.kind == LineKind::kKey) {
            section->keys.try_emplace(Fold(parts.name), index);
        }
        if (parts.kind == LineKind::kKey || parts.kind == LineKind::kText) {
            section->entryEnd = index + 1;
        }
        section->body.push_back(std::move(line));
    }
    IndexSections();
}

std::optional<std::string> ProfileDocument::Value(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    if (found == nullptr) {
        return std::nullopt;
    }
    const auto keyLine = found->keys.find(FoldArgument(key));
    if (keyLine == found->keys.end()) {
        return std::nullopt;
    }
    std::string_view value = ParseLine(found->body[keyLine->second].text).value;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(CutToBuffer(value));
}

bool ProfileDocument::HasKeys(std::string_view section) const {
    // As the service's listing of a section's keys: lines without "=" and comments are none (Windows and
    // Wine agree). A key with an empty name ("=v") is not counted either: how Windows lists it is
    // unverified, and Wine lists it as an empty name that makes a listing starting with it read as
    // empty. Left uncounted, a section holding only such lines is kept, and a named key still counts.
    const Section* found = FindSection(section);
    return found != nullptr && found->keys.size() > found->keys.count("");
}

void ProfileDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    section = Trim(section, " ");
    key = Trim(key, " ");
    CheckStorable(section, key, value);
    std::string keyLine = Concat(key, "=", value);

    Section* found = FindSection(section);
    if (found == nullptr) {
        if (Line* last = LastLine(); last != nullptr && last->lineBreak.empty()) {
            last->lineBreak = kCrLf;
        }
        Section& added = sections_.emplace_back();
        added.header = {Concat("[", section, "]"), kCrLf};
        added.body.push_back({std::move(keyLine), kCrLf});
        added.keys.emplace(Fold(key), 0);
        added.entryEnd = 1;
        sectionIndex_.emplace(Fold(section), sections_.size() - 1);
        return;
    }

    std::string foldedKey = Fold(key);
    if (const auto existing = found->keys.find(foldedKey); existing != found->keys.end()) {
        Line& line = found->body[existing->second];
        line.text = Concat(ParseLine(line.text).name, "=", value);
        line.lineBreak = kCrLf;
        return;
    }
    Line& before = found->entryEnd == 0 ? found->header : found->body[found->entryEnd - 1];
    if (before.lineBreak.empty()) {
        before.lineBreak = kCrLf;
    }
    found->body.insert(found->body.begin() + static_cast<std::ptrdiff_t>(found->entryEnd), {std::move(keyLine), kCrLf});
    found->keys.emplace(std::move(foldedKey), found->entryEnd);
    ++found->entryEnd;
}

void ProfileDocument::EraseSection(std::string_view section) {
    const auto found = sectionIndex_.find(FoldArgument(section));
    if (found == sectionIndex_.end()) {
        return;
    }
    const std::size_t index = found->second;
    std::vector<Line>& before = index == 0 ? preamble_ : sections_[index - 1].body;
    for (Line& line : sections_[index].body) {
        if (ParseLine(line.text).kind == LineKind::kComment) {
            before.push_back(std::move(line));
        }
    }
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(index));
    IndexSections();
}

std::string ProfileDocument::Bytes() const {
    std::string bytes;
    const auto append = [&bytes](const Line& line) {
        bytes += line.text;
        bytes += line.lineBreak;
    };
    for (const Line& line : preamble_) {
        append(line);
    }
    for (const Section& section : sections_) {
        append(section.header);
        for (const Line& line : section.body) {
            append(line);
        }
    }
    return bytes;
}

ProfileDocument::Section* ProfileDocument::FindSection(std::string_view section) {
    const auto found = sectionIndex_.find(FoldArgument(section));
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

const ProfileDocument::Section* ProfileDocument::FindSection(std::string_view section) const {
    const auto found = sectionIndex_.find(FoldArgument(section));
    return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

ProfileDocument::Line* ProfileDocument::LastLine() {
    if (!sections_.empty()) {
        Section& last = sections_.back();
        return last.body.empty() ? &last.header : &last.body.back();
    }
    return preamble_.empty() ? nullptr : &preamble_.back();
}

void ProfileDocument::IndexSections() {
    sectionIndex_.clear();
    for (std::size_t index = 0; index < sections_.size(); ++index) {
        sectionIndex_.try_emplace(Fold(ParseLine(sections_[index].header.text).name), index);
    }
}

}  // namespace tintrel
