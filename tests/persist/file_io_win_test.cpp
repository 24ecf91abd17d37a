// What the Windows back end keeps of a file it replaces, and what it removes at the start.
#include <windows.h>

#include <gtest/gtest.h>

#include "persist/file_io.h"
#include "persist/temporary_file.h"
#include "tests/persist/test_support.h"

namespace tintrel {
namespace {

using test_support::ReadBytes;
using test_support::TemporaryDirectory;
using test_support::WriteBytes;

TEST(ReplaceWholeFileWin, KeepsTheFileAttributes) {
    TemporaryDirectory directory;
    const auto path = directory / "Tintrel.ini";
    WriteBytes(path, "old");
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(ReplaceWholeFile(path, "new"));
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_NE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(directory.Listing(), "Tintrel.ini");
}

// The build makes the link Tintrel.plt to real.plt in TINTREL_TEST_LINK_DIR, where the system lets it.
TEST(ReplaceWholeFileWin, ReplacesTheFileALinkPointsToAndKeepsTheLink) {
#ifndef TINTREL_TEST_LINK_DIR
    GTEST_SKIP() << "the build could not make a symbolic link";
#else
    const std::filesystem::path folder = TINTREL_TEST_LINK_DIR;
    WriteBytes(folder / "real.plt", "old");
    // A second write through the link reaches the file only while the link is still there.
    for (const std::string_view bytes : {"first", "second"}) {
        ASSERT_TRUE(ReplaceWholeFile(folder / "Tintrel.plt", bytes));
        EXPECT_EQ(ReadBytes(folder / "real.plt"), bytes);
    }
#endif
}

// A process that runs until the end of the scope.
class RunningProcess {
public:
    RunningProcess() {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        wchar_t command[] = L"cmd.exe /c pause";
        CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info_);
    }
    ~RunningProcess() {
        if (info_.hProcess != nullptr) {
            TerminateProcess(info_.hProcess, 0);
            CloseHandle(info_.hProcess);
            CloseHandle(info_.hThread);
        }
    }
    RunningProcess(const RunningProcess&) = delete;
    RunningProcess& operator=(const RunningProcess&) = delete;

    DWORD Id() const { return info_.dwProcessId; }

private:
    PROCESS_INFORMATION info_{};
};

TEST(RemoveLeftoverTemporaryFilesWin, RemovesOnlyThoseOfProcessesThatEnded) {
    TemporaryDirectory directory;
    RunningProcess process;
    ASSERT_NE(process.Id(), 0u);
    const auto file = directory / "Tintrel.ini";
    const auto ended = TemporaryFileName(file, 0xFFFFFFF0u, 0);
    const auto running = TemporaryFileName(file, process.Id(), 0);
    const FilePath other = (directory / "Tintrel.ini.1-0.tmp").native();
    for (const auto& path : {ended, running, other}) {
        WriteBytes(path, "x");
    }
    RemoveLeftoverTemporaryFiles(file);
    EXPECT_FALSE(std::filesystem::exists(ended));
    EXPECT_TRUE(std::filesystem::exists(running));
    EXPECT_TRUE(std::filesystem::exists(other));
}

}  // namespace
}  // namespace tintrel
