#include "persist/file_io.h"

#include <fcntl.h>     // open, posix_fallocate
#include <signal.h>    // kill
#include <sys/stat.h>  // fstat, fchmod
#include <unistd.h>    // read, pwrite, fsync, ftruncate, close, getpid

#include <cerrno>
#include <cstdio>  // std::rename, renameat2
#include <filesystem>
#include <utility>  // std::exchange

#include "persist/temporary_file.h"

namespace tintrel {
namespace {

class UniqueFd {
public:
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int Get() const { return fd_; }
    // Closes now, so that a failing close (a delayed write error) is seen.
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

bool WriteAll(int fd, std::span<const std::string_view> parts) {
    off_t offset = 0;
    for (std::string_view bytes : parts) {
        while (!bytes.empty()) {
            const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written <= 0) {
                return false;
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
            offset += written;
        }
    }
    return true;
}

off_t TotalSize(std::span<const std::string_view> parts) {
    off_t size = 0;
    for (const std::string_view part : parts) {
        size += static_cast<off_t>(part.size());
    }
    return size;
}

// The file that `path` finally names after following symbolic links; a dangling link gives the file
// it would point to, which the first save then creates.
std::filesystem::path FinalTarget(const std::filesystem::path& path) {
    std::filesystem::path current = path;
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!std::filesystem::is_symlink(current, error)) {
            break;
        }
        const std::filesystem::path target = std::filesystem::read_symlink(current, error);
        if (error) {
            break;
        }
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return current;
}

// Overwrites the existing file itself, for a folder where no temporary file can be made. The room
// for the new bytes is taken first, so that a full disk fails before anything is changed.
bool OverwriteInPlace(const std::filesystem::path& path, std::span<const std::string_view> parts) {
    UniqueFd file(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    if (file.Get() < 0) {
        return false;
    }
    const off_t size = TotalSize(parts);
    const int reserved = size > 0 ? ::posix_fallocate(file.Get(), 0, size) : 0;
    if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL) {
        return false;
    }
    return WriteAll(file.Get(), parts) && ::ftruncate(file.Get(), size) == 0 && ::fsync(file.Get()) == 0 &&
           file.Close();
}

bool IsProcessRunning(std::uint64_t processId) {
    const auto pid = static_cast<pid_t>(processId);
    if (pid <= 0 || static_cast<std::uint64_t>(pid) != processId || pid == ::getpid()) {
        return false;
    }
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

}  // namespace

ReadOutcome ReadWholeFile(const FilePath& path, std::string& bytes) {
    bytes.clear();
    UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0) {
        return errno == ENOENT || errno == ENOTDIR ? ReadOutcome::Missing : ReadOutcome::Failed;
    }
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0) {
        return ReadOutcome::Failed;
    }
    if (S_ISDIR(status.st_mode)) {
        return ReadOutcome::Missing;
    }
    try {
        // One byte more than the file holds, so that its end is seen without growing the buffer.
        bytes.resize(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 0) + 1);
        std::size_t filled = 0;
        for (;;) {
            if (filled == bytes.size()) {
                bytes.resize(bytes.size() + bytes.size() / 2 + 65536);  // the file grew meanwhile
            }
            const ssize_t count = ::read(file.Get(), bytes.data() + filled, bytes.size() - filled);
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count < 0) {
                bytes.clear();
                return ReadOutcome::Failed;
            }
            if (count == 0) {
                bytes.resize(filled);
                return ReadOutcome::Read;
            }
            filled += static_cast<std::size_t>(count);
        }
    } catch (const std::bad_alloc&) {
        bytes = std::string();
        return ReadOutcome::Failed;
    }
}

bool ReplaceWholeFile(const FilePath& path, std::span<const std::string_view> parts) {
    const std::filesystem::path target = FinalTarget(path);
    // A file without write permission is one the user wants kept as it is, although a rename would
    // replace it (and the superuser may write anything).
    struct stat original {};
    const bool exists = ::stat(target.c_str(), &original) == 0;
    if (exists && S_ISREG(original.st_mode) && (original.st_mode & S_IWUSR) == 0) {
        return false;
    }
    // The name is unique per process and attempt, so two instances never share a temporary file.
    int fd = -1;
    std::filesystem::path temporaryPath;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporaryPath = TemporaryFileName(target, static_cast<std::uint64_t>(::getpid()), attempt);
        fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && (errno == EACCES || errno == EPERM) && exists && S_ISREG(original.st_mode)) {
            return OverwriteInPlace(target, parts);
        }
        if (fd < 0 && errno != EEXIST) {
            return false;
        }
    }
    if (fd < 0) {
        return false;
    }
    UniqueFd file(fd);
    TemporaryFile temporary(temporaryPath);
    // The replacement keeps the permissions of the file it replaces.
    if (exists && S_ISREG(original.st_mode)) {
        ::fchmod(file.Get(), original.st_mode & 07777);
    }
    if (!WriteAll(file.Get(), parts) || ::fsync(file.Get()) != 0 || !file.Close()) {
        return false;
    }
    if (std::rename(temporary.Path().c_str(), target.c_str()) != 0) {
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
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return RenameOutcome::Renamed;
    }
    if (errno == EEXIST) {
        return RenameOutcome::Taken;
    }
    if (errno != EINVAL) {
        return RenameOutcome::Failed;
    }
    // A file system that cannot rename without replacing: a second link is made only where no file is.
    if (::link(from.c_str(), to.c_str()) != 0) {
        return errno == EEXIST ? RenameOutcome::Taken : RenameOutcome::Failed;
    }
    if (::unlink(from.c_str()) != 0) {
        ::unlink(to.c_str());
        return RenameOutcome::Failed;
    }
    return RenameOutcome::Renamed;
}

void DeleteFileQuietly(const FilePath& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

std::vector<FilePath> FilesStartingWith(const FilePath& prefix) {
    std::vector<FilePath> files;
    std::error_code error;
    const std::filesystem::path start(prefix);
    const std::filesystem::path folder = start.parent_path().empty() ? "." : start.parent_path();
    const FilePath nameStart = start.filename().native();
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().filename().native().starts_with(nameStart) && entry.is_regular_file(error)) {
            files.push_back(entry.path().native());
        }
    }
    return files;
}

}  // namespace tintrel
