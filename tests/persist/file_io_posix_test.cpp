// The POSIX back end's handling of what the user set on a file: links, permissions, folders the
// program cannot write to, files it cannot read, and what a killed save leaves behind.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "persist/file_error.h"
#include "persist/file_io.h"
#include "persist/profile_file.h"
#include "persist/temporary_file.h"
#include "tests/persist/test_support.h"

namespace tintrel {
namespace {

using test_support::ReadBytes;
using test_support::TemporaryDirectory;
using test_support::WriteBytes;

namespace fs = std::filesystem;

// Runs `body` in a child process without the superuser's rights, which would override every permission
// the test sets; returns the child's exit code.
int RunUnprivileged(const std::function<int()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(100);
        }
        _exit(body());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 101;
}

TEST(ReplaceWholeFile, ReplacesTheFileALinkPointsToAndKeepsItsPermissions) {
    TemporaryDirectory directory;
    fs::create_directory(directory / "real");
    const auto target = directory / "real" / "settings.ini";
    WriteBytes(target, "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real/settings.ini", directory / "Tintrel.ini");
    fs::create_symlink(directory / "real" / "palette.plt", directory / "Tintrel.plt");  // dangling

    ASSERT_TRUE(ReplaceWholeFile(directory / "Tintrel.ini", "new"));
    ASSERT_TRUE(ReplaceWholeFile(directory / "Tintrel.plt", "first"));

    EXPECT_TRUE(fs::is_symlink(directory / "Tintrel.ini"));
    EXPECT_EQ(ReadBytes(target), "new");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(fs::is_symlink(directory / "Tintrel.plt"));
    EXPECT_EQ(ReadBytes(directory / "real" / "palette.plt"), "first");
    EXPECT_EQ(directory.Listing(), "Tintrel.ini Tintrel.plt real");
}

TEST(ReplaceWholeFile, WritesInPlaceWhereTheFolderTakesNoNewFile) {
    TemporaryDirectory directory;
    const auto path = directory / "Tintrel.ini";
    WriteBytes(path, "an old text longer than the new one");
    fs::permissions(path, fs::perms::all);
    fs::permissions(directory.Path(), fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    const int shorter = RunUnprivileged([&] { return ReplaceWholeFile(path, "new") ? 0 : 1; });
    const int created = RunUnprivileged([&] { return ReplaceWholeFile(directory / "Tintrel.fmt", "x") ? 0 : 1; });
    fs::permissions(directory.Path(), fs::perms::owner_all);

    EXPECT_EQ(shorter, 0);
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(created, 1) << "a file that is not there cannot be made in such a folder";
    EXPECT_EQ(directory.Listing(), "Tintrel.ini");
}

TEST(ProfileFileRead, AFileThatCannotBeReadIsReportedAndNeverWritten) {
    TemporaryDirectory directory;
    const auto path = directory / "Tintrel.ini";
    WriteBytes(path, "[s]\r\nk=1\r\n");
    fs::permissions(path, fs::perms::owner_write | fs::perms::others_write);
    const int outcome = RunUnprivileged([&] {
        ProfileFile file(path);
        file.WriteInteger("s", "k", 2);
        int result = file.ReadInteger("s", "k", 0) == 2 ? 0 : 2;
        try {
            file.CheckRead();
            result |= 4;
        } catch (const FileError& error) {
            result |= error.Path() == path ? 0 : 8;
        }
        try {
            file.Commit();
            result |= 16;
        } catch (const FileError&) {
        }
        return result;
    });
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(outcome, 0) << "bits: 2 pending write not read back, 4 no error, 8 wrong path, 16 written";
    EXPECT_EQ(ReadBytes(path), "[s]\r\nk=1\r\n");
}

TEST(RemoveLeftoverTemporaryFiles, RemovesOnlyOurFilesOfProcessesThatEnded) {
    const pid_t ended = fork();
    if (ended == 0) {
        _exit(0);
    }
    waitpid(ended, nullptr, 0);
    const auto ours = [](pid_t process) { return TemporaryFileName("Tintrel.ini", process, 3); };
    const struct {
        std::string name;
        bool removed;
    } cases[] = {
        {ours(ended), true},
        {ours(getpid()), true},  // a save of ours can only be running while we are not starting
        {ours(getppid()), false},
        {"Tintrel.ini.~save-" + std::to_string(ended) + "-0.tmp.bak", false},
        {"Tintrel.ini.~save--0.tmp", false},
        {"Tintrel.ini.~save-" + std::to_string(ended) + "-.tmp", false},
        {"Tintrel.ini." + std::to_string(ended) + "-0.tmp", false},
        {"Tintrel.plt.~save-" + std::to_string(ended) + "-0.tmp", false},
        {"Tintrel.ini", false},
    };
    TemporaryDirectory directory;
    for (const auto& row : cases) {
        WriteBytes(directory / row.name, "x");
    }
    const auto folder = directory / TemporaryFileName("Tintrel.ini", ended, 7);
    fs::create_directory(folder);
    RemoveLeftoverTemporaryFiles(directory / "Tintrel.ini");
    for (const auto& row : cases) {
        EXPECT_EQ(fs::exists(directory / row.name), !row.removed) << row.name;
    }
    EXPECT_TRUE(fs::is_directory(folder)) << "only files are ours";
    EXPECT_EQ(ours(ended), "Tintrel.ini.~save-" + std::to_string(ended) + "-3.tmp");
}

}  // namespace
}  // namespace tintrel
