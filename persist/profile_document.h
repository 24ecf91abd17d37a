#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tintrel {

// The bytes of a profile (INI) file, parsed the way the Windows profile-string service reads them,
// and edited the way it writes them: every line keeps its bytes and its own line break unless a
// write changes that very line, so untouched lines go back to the file exactly as they came.
// Section and key arguments are compared without letter case and without leading and trailing
// spaces. Arguments and values are code page 932 bytes, whatever the file's encoding.
//
// The document keeps the file's bytes as they came and indexes only the sections and keys a name can
// reach, so that it takes little more memory than the file.
class ProfileDocument {
public:
    // The longest value a read returns: the service reads through a 2048-byte buffer.
    static constexpr std::size_t kMaxValueBytes = 2047;

    // An empty code page 932 file.
    ProfileDocument();
    // Parses code page 932 bytes; any bytes parse, lines that are neither headers nor keys are kept as text.
    explicit ProfileDocument(std::string bytes);
    // Parses a whole file in the encoding the service gives it: UTF-16 (little-endian) when it starts
    // with the mark FF FE, otherwise code page 932. Nothing when the encoding cannot be told, so that
    // the file is never read as garbage nor appended to in another encoding: a UTF-16 file of an odd
    // length, a big-endian mark (FE FF) that the service does not honour, or a zero byte (UTF-16
    // without a mark).
    static std::optional<ProfileDocument> FromFileBytes(std::string bytes);

    ProfileDocument(ProfileDocument&&) noexcept;
    ProfileDocument& operator=(ProfileDocument&&) noexcept;
    ~ProfileDocument();

    // The value of the first `key` in the first section named `section`, trimmed, with one pair of
    // enclosing quotes removed and cut to kMaxValueBytes; nullopt when there is no such key.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // What Value() gives for a key whose value was set to `value`.
    static std::string ValueAsWritten(std::string_view value);

    // True when the first section named `section` holds at least one key line with a name.
    bool HasKeys(std::string_view section) const;

    // Sets the value of `key`: edits its line in place, or adds the key after the last entry of the
    // first section named `section`, or appends a new section at the end. The value is written as
    // it is. Throws Error, changing nothing, for a name or value that the file could
    // not give back: one holding a line break or a zero byte, or a name that would not read back as itself (a
    // section name holding "]", a key name holding "=" or starting with "[" or ";", a name with tabs
    // at its ends), or an empty key name, which a listing of the section's keys does not count.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // Removes the first section named `section`: its header, its entries and its blank lines.
    // Its comment lines stay where they are. Nothing happens when there is no such section.
    void EraseSection(std::string_view section);

    // The whole file as consecutive parts, in the file's encoding. The parts refer to the document and
    // to `storage`, which a UTF-16 file is encoded into; they are valid while both are unchanged.
    std::vector<std::string_view> Parts(std::string& storage) const;
    // The whole file as bytes.
    std::string Bytes() const;

private:
    struct Content;
    std::unique_ptr<Content> content_;
};

}  // namespace tintrel
