#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tintrel {

// The bytes of a profile (INI) file, parsed the way the Windows profile-string service reads them,
// and edited the way it writes them: every line keeps its bytes and its own line break unless a
// write changes that very line, so untouched lines go back to the file exactly as they came.
// Section and key arguments are compared without letter case and without leading and trailing
// spaces. Texts are code page 932 bytes.
class ProfileDocument {
public:
    // The longest value a read returns: the service reads through a 2048-byte buffer.
    static constexpr std::size_t kMaxValueBytes = 2047;

    ProfileDocument() = default;
    // Parses `bytes`; any bytes parse, lines that are neither headers nor keys are kept as text.
    explicit ProfileDocument(std::string_view bytes);

    // The value of the first `key` in the first section named `section`, trimmed, with one pair of
    // enclosing quotes removed and cut to kMaxValueBytes; nullopt when there is no such key.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // True when the first section named `section` holds at least one key line with a name.
    bool HasKeys(std::string_view section) const;

    // Sets the value of `key`: edits its line in place, or adds the key after the last entry of the
    // first section named `section`, or appends a new section at the end. The value is written as
    // it is. Throws std::invalid_argument, changing nothing, for a name or value that the file could
    // not give back: one holding a line break, or a name that would not read back as itself (a
    // section name holding "]", a key name holding "=" or starting with "[" or ";", a name with tabs
    // at its ends).
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // Removes the first section named `section`: its header, its entries and its blank lines.
    // Its comment lines stay where they are. Nothing happens when there is no such section.
    void EraseSection(std::string_view section);

    // The whole file as bytes.
    std::string Bytes() const;

private:
    struct Line {
        std::string text;            // without its line break
        std::string_view lineBreak;  // "\r\n", "\r", "\n", or "" for a last line without one
    };
    struct Section {
        Line header;
        std::vector<Line> body;
        // Folded key name -> index in body of its first key line.
        std::unordered_map<std::string, std::size_t> keys;
        // One past the last entry (a line that is neither blank nor a comment); new keys go here.
        std::size_t entryEnd = 0;
    };

    // The first section named `section`, or nullptr.
    Section* FindSection(std::string_view section);
    const Section* FindSection(std::string_view section) const;
    // The file's last line, or nullptr for an empty file.
    Line* LastLine();
    // Builds sectionIndex_ from the section headers.
    void IndexSections();

    std::vector<Line> preamble_;  // lines before the first header: no name reaches them
    std::vector<Section> sections_;
    // Folded section name -> index in sections_ of its first section.
    std::unordered_map<std::string, std::size_t> sectionIndex_;
};

}  // namespace tintrel
