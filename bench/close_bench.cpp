// Times the program's close with a full palette: from WM_CLOSE to the end of the process, once with the
// palette unchanged (only its Pallet keys and names are written) and once after a swap, when every cell
// of the 16 by 16 by 8 palette is written.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/bench_clock_win.h"
#include "bench/program_window_win.h"

namespace {

using tintrel::bench::Seconds;

BOOL CALLBACK FindPalletView(HWND window, LPARAM view) {
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (std::wstring(className) != L"TintrelPalletView") {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(view) = window;
    return FALSE;
}

void WriteFullPalette(const std::filesystem::path& path) {
    std::string text = "[Pallet]\r\nxCount=16\r\nyCount=16\r\nzCount=8\r\n";
    for (int page = 1; page <= 8; ++page) {
        text += "[Tab" + std::to_string(page) + "]\r\n";
        for (int column = 0; column < 16; ++column) {
            for (int row = 0; row < 16; ++row) {
                text += "C_" + std::to_string(column) + "_" + std::to_string(row) + "=" +
                        std::to_string(page * 65536 + column * 256 + row + 1) + "\r\n";
            }
        }
    }
    std::ofstream(path, std::ios::binary) << text;
}

// Starts the program, optionally swaps a cell, closes it and returns the seconds from WM_CLOSE to its end.
double TimeClose(const std::filesystem::path& executable, bool modify) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + executable.wstring() + L"\"";
    if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return -1;
    }
    HWND mainWindow = nullptr;
    for (int attempt = 0; attempt < 400 && mainWindow == nullptr; ++attempt) {
        Sleep(25);
        mainWindow = tintrel::bench::ShownMainWindow(process.dwProcessId);
    }
    double elapsed = -1;
    if (mainWindow != nullptr) {
        if (modify) {
            HWND view = nullptr;
            EnumChildWindows(mainWindow, &FindPalletView, reinterpret_cast<LPARAM>(&view));
            if (view != nullptr) {
                // The middle of the first slot lies inside cell (0, 0) however large the surface is.
                RECT client;
                GetClientRect(view, &client);
                const LPARAM cell = MAKELPARAM(client.right / 32, client.bottom / 32);
                SendMessageW(view, WM_RBUTTONDOWN, MK_RBUTTON, cell);
                SendMessageW(view, WM_RBUTTONUP, 0, cell);
            }
        }
        SendMessageW(mainWindow, WM_NULL, 0, 0);
        const double start = Seconds();
        PostMessageW(mainWindow, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0) {
            elapsed = Seconds() - start;
        }
    }
    TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    const auto directory = std::filesystem::temp_directory_path() / "tintrel-close-bench";
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    const auto executable = directory / "Tintrel.exe";
    std::filesystem::copy_file(TINTREL_EXECUTABLE, executable);
    for (const bool modify : {false, true}) {
        std::vector<double> times;
        for (int run = 0; run < 5; ++run) {
            WriteFullPalette(directory / "Tintrel.plt");
            times.push_back(TimeClose(executable, modify));
        }
        std::ifstream written(directory / "Tintrel.plt", std::ios::binary);
        const std::string file((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
        const bool swapped = file.find("[Tab1]\r\nC_0_0=0\r\n") != std::string::npos;
        std::printf("close with a full 16x16x8 palette, %s: %.1f ms from WM_CLOSE to the end of the process%s\n",
                    modify ? "modified (every cell written)" : "unchanged (names only)", Median(times) * 1000,
                    swapped == modify ? "" : " (the swap did not take: figure not valid)");
    }
    std::filesystem::remove_all(directory);
    return 0;
}
