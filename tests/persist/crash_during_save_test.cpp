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

// What a child that saved learned before it ended: whether its save had begun and had ended.
struct SaveSeen {
    bool Ended = false;
    Clock::duration Took{};  // from the start of the save to its end, when it ended untouched
};

// Runs `save` in a child process, which tells through a pipe when its save begins and when it ends, and
// kills it `delay` after the save began (never, when negative). The delay counts from the save itself,
// not from the fork, whose cost grows on a busy machine.
SaveSeen SaveInChild(const std::function<void()>& save, std::chrono::microseconds delay) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        ADD_FAILURE() << "no pipe";
        return {};
    }
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        const char begun = 'b';
        const char ended = 'e';
        try {
            if (write(pipeEnds[1], &begun, 1) == 1) {
                save();
                static_cast<void>(write(pipeEnds[1], &ended, 1));
            }
        } catch (...) {
            _exit(1);  // never back into the test runner, in a copy of it
        }
        _exit(0);
    }
    close(pipeEnds[1]);
    char told = 0;
    const bool begun = read(pipeEnds[0], &told, 1) == 1 && told == 'b';
    const auto started = Clock::now();
    if (begun && delay.count() >= 0) {
        usleep(static_cast<useconds_t>(delay.count()));
        kill(child, SIGKILL);
    }
    // The pipe closes when the child ends, killed or not; an 'e' before that means the save had ended.
    const bool ended = begun && read(pipeEnds[0], &told, 1) == 1 && told == 'e';
    SaveSeen seen{ended, Clock::now() - started};
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(begun) << "the child never began its save";
    return seen;
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
        const SaveSeen untouched = SaveInChild(saveHere, std::chrono::microseconds(-1));
        ASSERT_TRUE(untouched.Ended);
        const std::string newBytes = ReadBytes(path);
        ASSERT_NE(newBytes, oldBytes);

        // Kills fall anywhere from the save's start to a little past its end. A busy machine stretches a
        // save unevenly, so the range follows what the kills meet: narrower after one that came too late,
        // wider after one that cut the save, which keeps about a third of the kills after the end.
        auto range = std::max<long long>(
            std::chrono::duration_cast<std::chrono::microseconds>(untouched.Took).count() * 3 / 2, 1);
        int olds = 0;
        int news = 0;
        int cut = 0;
        int late = 0;
        // Up to 200 trials for 10 seconds, and on to a minute while one of the outcomes is still missing.
        const auto enough = Clock::now() + std::chrono::seconds(10);
        const auto deadline = Clock::now() + std::chrono::seconds(60);
        const auto goOn = [&](int trial) {
            const auto now = Clock::now();
            const bool missing = cut == 0 || late == 0 || olds == 0;
            return now < deadline && ((trial < 200 && now < enough) || missing);
        };
        for (int trial = 0; goOn(trial); ++trial) {
            WriteBytes(path, oldBytes);
            const auto delay = std::chrono::microseconds(std::uniform_int_distribution<long long>(0, range)(random));
            const SaveSeen seen = SaveInChild(saveHere, delay);
            const std::string bytes = ReadBytes(path);
            olds += bytes == oldBytes;
            news += bytes == newBytes;
            cut += seen.Ended ? 0 : 1;
            late += seen.Ended ? 1 : 0;
            range = seen.Ended ? std::max<long long>(range * 7 / 8, 1) : range * 17 / 16 + 1;
            ASSERT_TRUE(bytes == oldBytes || bytes == newBytes)
                << name << ", trial " << trial << ", killed after " << delay.count()
                << " us: " << Escaped(bytes.substr(0, 200)) << "... (" << bytes.size() << " bytes)";
            ASSERT_TRUE(!seen.Ended || bytes == newBytes) << name << ", trial " << trial << ": a save that ended";
            RemoveLeftoverTemporaryFiles(path);
            ASSERT_EQ(directory.Listing(), name) << "trial " << trial;
        }
        std::cout << name << ": a save takes "
                  << std::chrono::duration_cast<std::chrono::microseconds>(untouched.Took).count() << " us; " << cut
                  << " kills cut the save, " << late << " came after it; " << olds << " left the old file, " << news
                  << " the new one\n";
        EXPECT_GT(cut, 0) << name << ": no kill came before the save ended";
        EXPECT_GT(olds, 0) << name << ": no kill came before the file was replaced";
        EXPECT_GT(late, 0) << name << ": no save ended before its kill";
    }
}

}  // namespace
}  // namespace tintrel
