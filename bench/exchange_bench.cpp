// Times palette export and import in every format, file included: one full 16 by 16 page, and all 8
// pages (one file holding them where the format holds groups, else one file per page). Paint.NET holds
// 96 colours at most, so its pages are 16 by 6. Then reads 16 MiB files of each kind, with the most
// memory the reading took besides the file's bytes.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "bench/bench_clock_win.h"
#include "exchange/palette_export.h"
#include "exchange/palette_import.h"
#include "persist/file_error.h"
#include "persist/file_io.h"

namespace {

// Every allocation is counted, to tell the most memory that reading a file holds at once.
std::size_t liveBytes = 0;
std::size_t peakBytes = 0;
constexpr std::size_t kBlockHeader = 16;

}  // namespace

void* operator new(std::size_t size) {
    auto* block = static_cast<std::size_t*>(std::malloc(size + kBlockHeader));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    *block = size;
    liveBytes += size;
    peakBytes = std::max(peakBytes, liveBytes);
    return reinterpret_cast<char*>(block) + kBlockHeader;
}

void operator delete(void* pointer) noexcept {
    if (pointer != nullptr) {
        auto* block = reinterpret_cast<std::size_t*>(static_cast<char*>(pointer) - kBlockHeader);
        liveBytes -= *block;
        std::free(block);
    }
}

void operator delete(void* pointer, std::size_t) noexcept {
    operator delete(pointer);
}

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

// `line` repeated to 16 MiB, after `head`.
std::string Repeated(const std::string& head, const std::string& line, const std::string& tail = "") {
    std::string text = head;
    text.reserve(kMaxExchangeFileBytes);
    while (text.size() + line.size() + tail.size() <= kMaxExchangeFileBytes) {
        text += line;
    }
    return text + tail;
}

std::string Be32(std::uint32_t value) {
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16 & 0xFF), static_cast<char>(value >> 8 & 0xFF),
            static_cast<char>(value & 0xFF)};
}

// Files of the largest size taken, read from memory: how long, and the most memory held at once besides
// the file's bytes, as a share of them.
void ReadLargeFiles() {
    // A group of one grey swatch: start, swatch and end blocks, 34 bytes.
    const std::string aseGroup = std::string("\xC0\x01", 2) + Be32(4) + std::string("\0\1\0\0", 4) +
                                 std::string("\0\1", 2) + Be32(12) + std::string("\0\1\0\0", 4) + "Gray" +
                                 Be32(0x3F000000) + std::string("\xC0\x02", 2) + Be32(0);
    const std::string aseBody = Repeated("", aseGroup);
    const struct {
        const char* What;
        std::string Bytes;
    } files[] = {
        {"line breaks", std::string(kMaxExchangeFileBytes, '\n')},
        {"plain text, a colour a line", Repeated("", "#1a2b3c\r\n")},
        {"GIMP palette", Repeated("GIMP Palette\n", "26 43 60\tname\n")},
        {"swatch exchange, a group a colour",
         "ASEF" + Be32(0x10000) + Be32(static_cast<std::uint32_t>(aseBody.size() / aseGroup.size() * 3)) + aseBody},
        {"style sheet", Repeated(":root {\n", "  --page-1-1: #1a2b3c;\n", "}\n")},
        {"design tokens", Repeated("{\"p\": {", "\"1-1\": {\"$value\": \"#1a2b3c\"}, ", "\"x\": {}}}")},
    };
    std::printf("\n%-52s %12s %12s\n", "16 MiB file read", "ms", "memory / file");
    for (const auto& file : files) {
        const std::size_t before = liveBytes;
        peakBytes = liveBytes;
        const double start = Seconds();
        try {
            ReadPaletteFile(std::string_view(file.Bytes).substr(0, kMaxExchangeFileBytes), "bench");
        } catch (const ExchangeError&) {
        }
        const double ms = (Seconds() - start) * 1000.0;
        std::printf("%-52s %12.1f %12.2f\n", file.What, ms,
                    1.0 + static_cast<double>(peakBytes - before) / static_cast<double>(file.Bytes.size()));
        std::fflush(stdout);
    }
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
            std::vector<FilePath> paths;
            for (int page = 0; page < files; ++page) {
                paths.push_back(path + std::to_wstring(page));
            }
            const auto read = [](const FilePath& file) {
                std::string bytes;
                if (ReadWholeFile(file, bytes) != ReadOutcome::Read) {
                    throw FileError("bench", file);
                }
                return ReadPaletteFile(bytes, "bench");
            };
            const double importMs = Time([&] {
                PalletStore target;
                target.SetPalletSize(16, 16, 0);
                std::vector<std::string> targetNames;
                ImportFiles(target, targetNames, 0, paths, read, [](std::size_t) { return true; });
            });
            char label[128];
            std::snprintf(label, sizeof(label), "%s, %s", std::string(type.Extension).c_str(),
                          !allPages       ? "one page"
                          : type.AllPages ? "all 8 pages in one file"
                                          : "all 8 pages, a file each");
            std::printf("%-52s %12.3f %12.3f\n", label, exportMs, importMs);
            std::fflush(stdout);
        }
    }
    for (int page = 0; page < 8; ++page) {
        DeleteFileQuietly(path + std::to_wstring(page));
    }
    ReadLargeFiles();
    return 0;
}
