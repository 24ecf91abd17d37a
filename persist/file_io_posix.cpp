#include "persist/file_io.h"

#include <fcntl.h>     // open
#include <sys/stat.h>  // fstat, fchmod
#include <unistd.h>    // read, write, fsync, close, getpid, unlink

#include <cerrno>
#include <cstdio>   // std::rename
#include <string>   // std::to_string
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

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
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
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(file.Get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            bytes.clear();
            return ReadOutcome::Failed;
        }
        if (count == 0) {
            return ReadOutcome::Read;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
}

bool ReplaceWholeFile(const FilePath& path, std::string_view bytes) {
    // A file without write permission is one the user wants kept as it is, although a rename would
    // replace it (and the superuser may write anything).
    struct stat original {};
    const bool exists = ::stat(path.c_str(), &original) == 0;
    if (exists && S_ISREG(original.st_mode) && (original.st_mode & S_IWUSR) == 0) {
        return false;
    }
    // The name is unique per process and attempt, so two instances never share a temporary file.
    int fd = -1;
    FilePath temporaryPath;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporaryPath = path;
        temporaryPath += "." + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
        fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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
    if (!WriteAll(file.Get(), bytes) || ::fsync(file.Get()) != 0 || !file.Close()) {
        return false;
    }
    if (std::rename(temporary.Path().c_str(), path.c_str()) != 0) {
        return false;
    }
    temporary.Keep();
    return true;
}

void DeleteFileQuietly(const FilePath& path) {
    ::unlink(path.c_str());
}

}  // namespace tintrel
