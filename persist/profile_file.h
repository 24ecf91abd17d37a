#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace tintrel {

// A profile (INI) file opened for one block of reads and writes, read and written as the Windows
// profile-string service does. Texts are code page 932 bytes.
class ProfileFile {
public:
    // Reads the file; a missing file reads as one without sections.
    explicit ProfileFile(std::filesystem::path path);
    ~ProfileFile();
    ProfileFile(const ProfileFile&) = delete;
    ProfileFile& operator=(const ProfileFile&) = delete;

    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

    bool SectionExists(std::string_view section) const;
    void EraseSection(std::string_view section);

    // Puts the block's writes into the file in one atomic replacement, applied to the file as it is
    // now, so that keys another instance wrote meanwhile survive. Throws FileError
    // ("%s に書き込めません") and leaves the file as it was when it cannot be written.
    void Commit();
};

}  // namespace tintrel
