#include "persist/file_io.h"

#include <windows.h>

#include <algorithm>  // std::min
#include <new>        // std::bad_alloc
#include <utility>    // std::exchange

#include "persist/temporary_file.h"

namespace tintrel {
namespace {

class UniqueHandle {
public:
    explicit UniqueHandle(HANDLE handle) : handle_(handle == nullptr ? INVALID_HANDLE_VALUE : handle) {}
    ~UniqueHandle() {
        if (IsValid()) {
            CloseHandle(handle_);
        }
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    bool IsValid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    // Closes now, so that a failing close is seen before the file is put into place.
    bool Close() { return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0; }

private:
    HANDLE handle_;
};

bool IsDirectory(const FilePath& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool WriteAll(HANDLE file, std::span<const std::string_view> parts) {
    for (std::string_view bytes : parts) {
        while (!bytes.empty()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
            DWORD written = 0;
            if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
                return false;
            }
            bytes.remove_prefix(written);
        }
    }
    return true;
}

bool SetFileSize(HANDLE file, std::uint64_t size) {
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(size);
    return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) && SetEndOfFile(file);
}

// The file that `path` finally names once links are followed: replacing the link itself would turn it
// into a plain file and leave the file it points to behind. The path as given when it names no file.
FilePath FinalTarget(const FilePath& path) {
    UniqueHandle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.IsValid()) {
        return path;
    }
    std::wstring finalPath(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFinalPathNameByHandleW(file.Get(), finalPath.data(),
                                                       static_cast<DWORD>(finalPath.size()), FILE_NAME_NORMALIZED);
        if (length == 0) {
            return path;
        }
        if (length < finalPath.size()) {
            finalPath.resize(length);
            return finalPath;
        }
        finalPath.resize(length);
    }
}

// Overwrites the existing file itself, for a folder where no temporary file can be made. The room
// for the new bytes is taken first, so that a full disk fails before anything is changed.
bool OverwriteInPlace(const FilePath& path, std::span<const std::string_view> parts) {
    UniqueHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER oldSize;
    if (!file.IsValid() || !GetFileSizeEx(file.Get(), &oldSize)) {
        return false;
    }
    std::uint64_t size = 0;
    for (const std::string_view part : parts) {
        size += part.size();
    }
    if (size > static_cast<std::uint64_t>(oldSize.QuadPart) && !SetFileSize(file.Get(), size)) {
        SetFileSize(file.Get(), static_cast<std::uint64_t>(oldSize.QuadPart));
        return false;
    }
    LARGE_INTEGER start{};
    return SetFilePointerEx(file.Get(), start, nullptr, FILE_BEGIN) && WriteAll(file.Get(), parts) &&
           SetFileSize(file.Get(), size) && FlushFileBuffers(file.Get()) && file.Close();
}

// Puts the written temporary file in the place of `target`. ReplaceFileW keeps the attributes, the
// security and the other streams of the file it replaces; a first save has nothing to keep.
bool PutInPlace(const FilePath& temporary, const FilePath& target) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }
    if (!ReplaceFileW(target.c_str(), temporary.c_str(), nullptr,
                      REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr, nullptr)) {
        // Only this failure leaves the old file gone and the new one under its temporary name.
        return GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT &&
               MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    }
    // Not every implementation of ReplaceFileW carries the attributes over (Wine's does not).
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if ((GetFileAttributesW(target.c_str()) & kKept) != (attributes & kKept)) {
        SetFileAttributesW(target.c_str(), (attributes & kKept) | FILE_ATTRIBUTE_ARCHIVE);
    }
    return true;
}

bool IsProcessRunning(std::uint64_t processId) {
    if (processId == GetCurrentProcessId() || processId > MAXDWORD) {
        return false;
    }
    UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(processId)));
    if (!process.IsValid()) {
        return GetLastError() == ERROR_ACCESS_DENIED;  // someone else's process, running
    }
    DWORD exitCode = 0;
    return GetExitCodeProcess(process.Get(), &exitCode) && exitCode == STILL_ACTIVE;
}

}  // namespace

ReadOutcome ReadWholeFile(const FilePath& path, std::string& bytes) {
    bytes.clear();
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || IsDirectory(path);
        return missing ? ReadOutcome::Missing : ReadOutcome::Failed;
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size)) {
        return ReadOutcome::Failed;
    }
    try {
        // One byte more than the file holds, so that its end is seen without growing the buffer.
        bytes.resize(static_cast<std::size_t>(size.QuadPart) + 1);
        std::size_t filled = 0;
        for (;;) {
            if (filled == bytes.size()) {
                bytes.resize(bytes.size() + bytes.size() / 2 + 65536);  // the file grew meanwhile
            }
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - filled, 1 << 20));
            DWORD count = 0;
            if (!ReadFile(file.Get(), bytes.data() + filled, chunk, &count, nullptr)) {
                bytes = std::string();
                return ReadOutcome::Failed;
            }
            if (count == 0) {
                bytes.resize(filled);
                return ReadOutcome::Read;
            }
            filled += count;
        }
    } catch (const std::bad_alloc&) {
        bytes = std::string();
        return ReadOutcome::Failed;
    }
}

bool ReplaceWholeFile(const FilePath& path, std::span<const std::string_view> parts) {
    const FilePath target = FinalTarget(path);
    // Windows refuses to rename over a read-only file, but not every implementation of it does: the
    // user's wish that the file stay as it is holds everywhere.
    // A directory in the file's place is never replaced: some implementations of ReplaceFileW would.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool isFile = attributes != INVALID_FILE_ATTRIBUTES;
    if (isFile && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        return false;
    }
    // The name is unique per process and attempt, so two instances never share a temporary file.
    HANDLE created = INVALID_HANDLE_VALUE;
    FilePath temporaryPath;
    for (int attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
        temporaryPath = TemporaryFileName(target, GetCurrentProcessId(), attempt);
        created =
            CreateFileW(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        const DWORD error = created == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
        if (error == ERROR_ACCESS_DENIED && isFile) {
            return OverwriteInPlace(target, parts);
        }
        if (error != ERROR_SUCCESS && error != ERROR_FILE_EXISTS) {
            return false;
        }
    }
    UniqueHandle file(created);
    if (!file.IsValid()) {
        return false;
    }
    TemporaryFile temporary(temporaryPath);
    if (!WriteAll(file.Get(), parts) || !FlushFileBuffers(file.Get()) || !file.Close()) {
        return false;
    }
    if (!PutInPlace(temporary.Path(), target)) {
        return false;
    }
    temporary.Keep();
    return true;
}

void RemoveLeftoverTemporaryFiles(const FilePath& path) noexcept {
    try {
        RemoveTemporaryFilesOf(FinalTarget(path), IsProcessRunning);
    } catch (...) {
        // Out of memory: the leftovers stay until the next start.
    }
}

RenameOutcome RenameWithoutReplacing(const FilePath& from, const FilePath& to) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0) {
        return RenameOutcome::Renamed;
    }
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? RenameOutcome::Taken : RenameOutcome::Failed;
}

void DeleteFileQuietly(const FilePath& path) {
    DeleteFileW(path.c_str());
}

std::vector<FilePath> FilesStartingWith(const FilePath& prefix) {
    const auto separator = prefix.find_last_of(L"\\/");
    const FilePath folder = separator == FilePath::npos ? FilePath(L".") : prefix.substr(0, separator);
    std::vector<FilePath> files;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((prefix + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return files;
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            files.push_back(folder + L"\\" + found.cFileName);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return files;
}

}  // namespace tintrel
