#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_path.h"
#include "persist/profile_document.h"

namespace tintrel {

// A profile (INI) file opened for one block of reads and writes, read and written as the Windows
// profile-string service does. Texts are code page 932 bytes.
//
// Writes change a copy in memory, which the block's reads see; Commit() puts them into the file in
// one atomic replacement. Destroying the object without Commit() discards the uncommitted writes and
// leaves the file untouched, so a block that an error ends early writes nothing.
class ProfileFile {
public:
    // Reads the file at `path`, the file's full path: code page 932, or UTF-16 when it starts with the
    // mark FF FE (written back so). A missing file or a directory in its place reads as no sections;
    // so does a file that is there but cannot be read, or whose encoding cannot be told, which
    // CheckRead() reports.
    explicit ProfileFile(FilePath path);
    // A file of no name that starts empty, to see what a block would write (Bytes()); it cannot be
    // committed.
    struct NoFile {};
    explicit ProfileFile(NoFile);
    // Discards writes not yet committed.
    ~ProfileFile();
    ProfileFile(const ProfileFile&) = delete;
    ProfileFile& operator=(const ProfileFile&) = delete;

    // The key's value (at most ProfileDocument::kMaxValueBytes bytes), or `defaultValue` when the
    // section or key is absent.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // The value read by ParseInteger; an absent key reads as empty text and so gives `defaultValue`.
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    // Read as an integer with the default 1 or 0; true when that integer is not 0.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Sets the key's value as it stands (see ProfileDocument::Set, which throws Error
    // for what the file cannot hold). Pending until Commit().
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    // Writes `value` in signed decimal.
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    // Writes "1" or "0".
    void WriteBool(std::string_view section, std::string_view key, bool value);

    // Throws FileError ("ファイル %s は開けません") when the file is there but could not be read, so
    // that the user learns why its values are not used; such a file is never written (see Commit).
    void CheckRead() const;

    // True when the section holds at least one key.
    bool SectionExists(std::string_view section) const;
    // Removes the section's header and keys; its comment lines stay. Pending until Commit().
    void EraseSection(std::string_view section);

    // What the block has read, with its writes; the block then reads as an empty file. The program
    // keeps it from its start to its close as the values it read (see KeepOthersChangesSince).
    ProfileDocument TakeDocument();
    // The file's bytes as the block's reads and writes stand.
    std::string Bytes() const { return document_.Bytes(); }

    // At Commit(), a write of the value the run started with for its key is left out when the file then
    // holds another value for that key: another copy of the program, or a hand edit, changed the key
    // after the run read it, and the run did not. The value the run started with is the one `asRead`
    // (the file as the run read it) holds, or for a key it lacked the one `started` holds (what the run
    // would have written right after it started: its defaults). Writes of other values, of keys the
    // file lacks, and of keys nobody else changed go in as always, so a file that only this run touched
    // is written byte for byte as without this. Both documents must outlive the commit.
    void KeepOthersChangesSince(const ProfileDocument& asRead, const ProfileDocument& started) {
        asRead_ = &asRead;
        started_ = &started;
    }

    // Puts the block's writes into the file in one atomic replacement, applied to the file as it is
    // now, so that keys another instance wrote meanwhile survive. Does nothing when there are none.
    // Throws FileError ("%s に書き込めません") and leaves the file as it was when it cannot be
    // written, or read first, or its encoding cannot be told; the writes then stay pending.
    void Commit();

private:
    // One write or erasure of the block, kept to be replayed onto the file as it is at Commit().
    struct Change {
        std::string section;
        std::string key;
        std::string value;
        bool erase;
    };

    // Makes `change` in `document`.
    static void Apply(ProfileDocument& document, const Change& change);
    // True when `change` would overwrite what someone else wrote since asRead_ (see KeepOthersChangesSince).
    bool OverwritesOthers(const ProfileDocument& now, const Change& change) const;

    FilePath path_;
    bool read_ = true;  // false when the file is there but could not be read
    ProfileDocument document_;
    std::vector<Change> changes_;
    const ProfileDocument* asRead_ = nullptr;
    const ProfileDocument* started_ = nullptr;
};

}  // namespace tintrel
