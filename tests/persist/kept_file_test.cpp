#include "persist/kept_file.h"

#include <gtest/gtest.h>

#include "persist/file_error.h"
#include "tests/persist/test_support.h"

namespace tintrel {
namespace {

using test_support::ReadBytes;
using test_support::TemporaryDirectory;
using test_support::WriteBytes;

// The unreadable file moves to the first number no file has; the files already kept stay as they were.
TEST(KeptFile, TakesTheFirstFreeNumberAndReplacesNothing) {
    TemporaryDirectory directory;
    const FilePath path = (directory / "Tintrel.plt").native();
    WriteBytes(path, "unreadable");
    WriteBytes(directory / "Tintrel.plt.unreadable-1", "first");
    WriteBytes(directory / "Tintrel.plt.unreadable-3", "third");

    EXPECT_EQ(KeepUnderFreeName(path), (directory / "Tintrel.plt.unreadable-2").native());
    EXPECT_EQ(directory.Listing(), "Tintrel.plt.unreadable-1 Tintrel.plt.unreadable-2 Tintrel.plt.unreadable-3");
    EXPECT_EQ(ReadBytes(directory / "Tintrel.plt.unreadable-1"), "first");
    EXPECT_EQ(ReadBytes(directory / "Tintrel.plt.unreadable-2"), "unreadable");
    EXPECT_EQ(ReadBytes(directory / "Tintrel.plt.unreadable-3"), "third");

    // No file to keep: reported, nothing made.
    EXPECT_THROW(KeepUnderFreeName(path), FileError);
    EXPECT_EQ(FreeKeptFileName(path), (directory / "Tintrel.plt.unreadable-4").native());
}

}  // namespace
}  // namespace tintrel
