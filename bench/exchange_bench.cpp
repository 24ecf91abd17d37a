// Times palette export and import in every format, file included: one full 16 by 16 page, and all 8
// pages (one file holding them where the format holds groups, else one file per page). Paint.NET holds
// 96 colours at most, so its pages are 16 by 6.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_clock_win.h"
#include "exchange/palette_export.h"
#include "exchange/palette_import.h"
#include "persist/file_io.h"

namespace {

using namespace tintrel;
using tintrel::bench::Seconds;

constexpr int kRounds = 20;

PalletStore FullPalette(std::int32_t rows) {
    PalletStore store;
    store.SetPalletSize(16, rows, 8);
    for (std::int32_t page = 0; page < 8; ++page) {
        for (std::int32_t column = 0; column < 16; ++column) {
            for (std::int32_t row = 0; row < rows; ++row) {
                store.SetCurrent(column, row, page, (page * 7919 + column * 613 + row * 97) * 2654435 & 0xFFFFFF);
            }
        }
    }
    return store;
}

// Milliseconds per round of `action`.
template <class Action>
double Time(Action&& action) {
    const double start = Seconds();
    for (int round = 0; round < kRounds; ++round) {
        action();
    }
    return (Seconds() - start) * 1000.0 / kRounds;
}

}  // namespace

int main() {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const FilePath path = FilePath(folder) + L"tintrel-exchange-bench";
    const std::vector<std::string> names{"Page 1", "Page 2", "Page 3", "Page 4",
                                         "Page 5", "Page 6", "Page 7", "Page 8"};
    const TextOptions options;
    // Export includes writing the file safely (flushed to the disk), import reading it and filling pages.
    std::printf("%-52s %12s %12s\n", "format", "export ms", "import ms");
    for (const ExportType& type : ExportTypes()) {
        const PalletStore store = FullPalette(type.Format == ExportFormat::PaintNet ? 6 : 16);
        const std::vector<ExchangePage> pages = PagesForExport(store, names);
        const bool readable = type.Format != ExportFormat::Css && type.Format != ExportFormat::Json;
        for (const bool allPages : {false, true}) {
            if (type.AllPages && !allPages) {
                continue;
            }
            // One file for a page or for all of them; the page-by-page formats write 8 files for all.
            const int files = allPages && !type.AllPages ? 8 : 1;
            const double exportMs = Time([&] {
                for (int page = 0; page < files; ++page) {
                    ReplaceWholeFile(path + std::to_wstring(page),
                                     WriteExport(type, pages, page, "#\\RR\\GG\\BB", options));
                }
            });
            double importMs = 0.0;
            if (readable) {
                importMs = Time([&] {
                    PalletStore target;
                    target.SetPalletSize(16, 16, 0);
                    std::vector<std::string> targetNames;
                    for (int page = 0; page < files; ++page) {
                        std::string bytes;
                        ReadWholeFile(path + std::to_wstring(page), bytes);
                        ImportPages(target, targetNames, ReadPaletteFile(bytes, "bench"), 0);
                    }
                });
            }
            char label[128];
            std::snprintf(label, sizeof(label), "%s, %s", std::string(type.Extension).c_str(),
                          !allPages       ? "one page"
                          : type.AllPages ? "all 8 pages in one file"
                                          : "all 8 pages, a file each");
            if (readable) {
                std::printf("%-52s %12.3f %12.3f\n", label, exportMs, importMs);
            } else {
                std::printf("%-52s %12.3f %12s\n", label, exportMs, "-");
            }
            std::fflush(stdout);
        }
    }
    for (int page = 0; page < 8; ++page) {
        DeleteFileQuietly(path + std::to_wstring(page));
    }
    return 0;
}
