// Times the program's start as a user meets it: from starting Tintrel.exe to its main window being shown,
// and the close that follows. The executable is copied to a folder of its own, so that its files start
// afresh every time. An argument names another Tintrel.exe to time.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_clock_win.h"
#include "bench/program_window_win.h"

namespace {

using tintrel::bench::Seconds;

constexpr int kStarts = 15;

// Seconds from the start to the shown main window, and from the close to the end of the process.
std::pair<double, double> StartAndClose(const std::filesystem::path& executable) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + executable.wstring() + L"\"";
    const double start = Seconds();
    if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::printf("cannot start %ls\n", executable.c_str());
        std::exit(1);
    }
    HWND window = nullptr;
    while (window == nullptr && Seconds() - start < 30) {
        window = tintrel::bench::ShownMainWindow(process.dwProcessId);
        Sleep(1);
    }
    const double shown = Seconds() - start;
    const double closing = Seconds();
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 30000);
    const double closed = Seconds() - closing;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {shown, closed};
}

// Starts and closes a fresh copy of `original` `starts` times, beside `formatList` as its format list
// file unless it is empty, and prints the times.
void TimeStarts(const std::filesystem::path& original, const char* name, const std::string& formatList, int starts) {
    const std::filesystem::path directory = std::filesystem::temp_directory_path() / "tintrel-startup-bench";
    std::vector<double> shown;
    std::vector<double> closed;
    for (int run = 0; run < starts; ++run) {
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
        std::filesystem::copy_file(original, directory / "Tintrel.exe");
        if (!formatList.empty()) {
            std::ofstream(directory / "Tintrel.fmt", std::ios::binary) << formatList;
        }
        const auto [toShow, toClose] = StartAndClose(directory / "Tintrel.exe");
        shown.push_back(toShow);
        closed.push_back(toClose);
    }
    std::filesystem::remove_all(directory);
    std::sort(shown.begin(), shown.end());
    std::sort(closed.begin(), closed.end());
    std::printf("%d starts %s\n", starts, name);
    std::printf("  start to main window shown: median %6.1f ms, fastest %6.1f ms\n", shown[shown.size() / 2] * 1e3,
                shown.front() * 1e3);
    std::printf("  close to process end:       median %6.1f ms, fastest %6.1f ms\n", closed[closed.size() / 2] * 1e3,
                closed.front() * 1e3);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path original = argc > 1 ? std::filesystem::path(argv[1]) : TINTREL_EXECUTABLE;
    std::printf("%s (%ju bytes)\n", original.string().c_str(),
                static_cast<std::uintmax_t>(std::filesystem::file_size(original)));
    TimeStarts(original, "without files", "", kStarts);
    std::string templates;
    for (int i = 0; i < 50000; ++i) {
        templates += "color:#\\RR\\GG\\BB; " + std::to_string(i) + "\r\n";
    }
    TimeStarts(original, "with 50,000 templates", templates, 5);
    std::string longLine;
    for (int i = 0; i < 500000; ++i) {
        longLine += "\\W";
    }
    TimeStarts(original, "with one template of 1,000,000 bytes", longLine, 5);
    return 0;
}
