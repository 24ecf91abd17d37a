#include "persist/file_io.h"

#include <windows.h>

#include <algorithm>  // std::min
#include <string>     // std::to_wstring
#include <utility>    // std::exchange

#include "persist/temporary_file.h"

namespace tintrel {
namespace {

class UniqueHandle {
public:
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    ~UniqueHandle() {
        if (IsValid()) {
            CloseHandle(handle_);
        }
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    bool IsValid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    // Closes now, so that a failing close is seen before the file is renamed into place.
    bool Close() { return CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0; }

private:
    HANDLE handle_;
};

bool IsDirectory(const FilePath& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
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
    char buffer[65536];
    for (;;) {
        DWORD count = 0;
        if (!ReadFile(file.Get(), buffer, sizeof buffer, &count, nullptr)) {
            bytes.clear();
            return ReadOutcome::Failed;
        }
        if (count == 0) {
            return ReadOutcome::Read;
        }
        bytes.append(buffer, count);
    }
}

bool ReplaceWholeFile(const FilePath& path, std::string_view bytes) {
    // Windows refuses to rename over a read-only file, but not every implementation of it does: the
    // user's wish that the file stay as it is holds everywhere.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return false;
    }
    // The name is unique per process and attempt, so two instances never share a temporary file.
    HANDLE created = INVALID_HANDLE_VALUE;
    FilePath temporaryPath;
    for (int attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
        temporaryPath = path;
        temporaryPath += L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt) + L".tmp";
        created =
            CreateFileW(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
            return false;
        }
    }
    UniqueHandle file(created);
    if (!file.IsValid()) {
        return false;
    }
    TemporaryFile temporary(temporaryPath);
    if (!WriteAll(file.Get(), bytes) || !FlushFileBuffers(file.Get()) || !file.Close()) {
        return false;
    }
    // Not std::filesystem::rename: how mingw's library replaces an existing file is not pinned down.
    if (!MoveFileExW(temporary.Path().c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return false;
    }
    temporary.Keep();
    return true;
}

void DeleteFileQuietly(const FilePath& path) {
    DeleteFileW(path.c_str());
}

}  // namespace tintrel
