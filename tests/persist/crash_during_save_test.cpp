// Kills a process at random moments while it saves, and checks each time that the file is the old one
// or the new one byte for byte, and that what the killed save left beside it goes at the next start.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <iostream>
#include <memory>
#include <random>
#include <string>

#include "persist/file_io.h"
#include "persist/format_list_file.h"
#include "persist/profile_file.h"
#include "tests/persist/test_support.h"

namespace tintrel {
namespace {

using test_support::Escaped;
using test_support::ReadBytes;
using test_support::TemporaryDirectory;
using test_support::WriteBytes;

using Clock = std::chrono::steady_clock;

// A palette of 8 pages of 16 by 16 cells: 2,048 keys and more, as the palette file holds them.
std::string PaletteFile(int seed) {
    std::string file = "[Pallet]\r\nxCount=16\r\nyCount=16\r\nzCount=8\r\n";
    for (int page = 1; page <= 8; ++page) {
        file += "[Tab" + std::to_string(page) + "]\r\nNAME=\x90\x46" + std::to_string(page) + "\r\n";
        for (int cell = 0; cell < 256; ++cell) {
            file += "C_" + std::to_string(cell / 16) + "_" + std::to_string(cell % 16) + "=" +
                    std::to_string(seed * 7919 + cell * 65793) + "\r\n";
        }
    }
    return file;
}

// A palette save with every cell changed, ready to commit.
std::unique_ptr<ProfileFile> PaletteSave(const std::filesystem::path& path) {
    auto file = std::make_unique<ProfileFile>(path);
    for (int page = 1; page <= 8; ++page) {
        for (int cell = 0; cell < 256; ++cell) {
            file->WriteInteger("Tab" + std::to_string(page),
                               "C_" + std::to_string(cell / 16) + "_" + std::to_string(cell % 16), cell * 257 + page);
        }
    }
    return file;
}

std::string FormatList(char variant) {
    std::string list;
    for (int line = 0; line < 4000; ++line) {
        list += std::string("#\\RR\\GG\\BB ") + variant + std::to_string(line) + "\r\n";
    }
    return list;
}

// Runs `save` in a child process and kills it after `delay`; returns whether it ended by itself.
bool SaveInChild(const std::function<void()>& save, std::chrono::microseconds delay) {
    const pid_t child = fork();
    if (child == 0) {
        save();
        _exit(0);
    }
    if (delay.count() >= 0) {
        usleep(static_cast<useconds_t>(delay.count()));
        kill(child, SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status);
}

TEST(CrashDuringSave, LeavesTheOldOrTheNewFileAndNothingElse) {
    const std::string newList = FormatList('b');
    const struct {
        std::string name;
        std::string oldBytes;
        // Prepares a save of the file at the path, returning what finishes it in the child.
        std::function<std::function<void()>(const std::filesystem::path&)> prepare;
    } cases[] = {
        {"Tintrel.plt", PaletteFile(1),
         [](const std::filesystem::path& path) -> std::function<void()> {
             std::shared_ptr<ProfileFile> file = PaletteSave(path);
             return [file] { file->Commit(); };
         }},
        {"Tintrel.fmt", FormatList('a'),
         [&newList](const std::filesystem::path& path) -> std::function<void()> {
             return [&newList, path] { WriteFormatListFile(path, newList); };
         }},
    };
    // A memory file system, where flushing costs nothing, allows hundreds of trials in a few seconds;
    // what is tested is a process killed, not the power cut.
    const std::filesystem::path memory = "/dev/shm";
    std::mt19937 random(20240611);
    for (const auto& [name, oldBytes, prepare] : cases) {
        TemporaryDirectory directory(std::filesystem::is_directory(memory) ? memory
                                                                           : std::filesystem::temp_directory_path());
        const auto path = directory / name;
        // An undisturbed save gives the new bytes and shows how long a save takes here.
        WriteBytes(path, oldBytes);
        const auto saveHere = prepare(path);
        const auto started = Clock::now();
        ASSERT_TRUE(SaveInChild(saveHere, std::chrono::microseconds(-1)));
        const auto duration = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - started);
        const std::string newBytes = ReadBytes(path);
        ASSERT_NE(newBytes, oldBytes);

        int olds = 0;
        int news = 0;
        const auto deadline = Clock::now() + std::chrono::seconds(5);
        for (int trial = 0; trial < 200 && Clock::now() < deadline; ++trial) {
            WriteBytes(path, oldBytes);
            const auto delay = std::chrono::microseconds(
                std::uniform_int_distribution<long long>(0, duration.count() * 3 / 2)(random));
            SaveInChild(saveHere, delay);
            const std::string bytes = ReadBytes(path);
            olds += bytes == oldBytes;
            news += bytes == newBytes;
            ASSERT_TRUE(bytes == oldBytes || bytes == newBytes)
                << name << ", trial " << trial << ", killed after " << delay.count()
                << " us: " << Escaped(bytes.substr(0, 200)) << "... (" << bytes.size() << " bytes)";
            RemoveLeftoverTemporaryFiles(path);
            ASSERT_EQ(directory.Listing(), name) << "trial " << trial;
        }
        std::cout << name << ": a save takes " << duration.count() << " us; " << olds << " kills left the old file, "
                  << news << " the new one\n";
        EXPECT_GT(olds, 0) << name << ": no kill came before the save ended";
        EXPECT_GT(news, 0) << name << ": no save ended before its kill";
    }
}

}  // namespace
}  // namespace tintrel
