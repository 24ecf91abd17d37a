// Times the palette file's load and save pattern, key by key: the portable profile layer (one open
// for all reads; one open, all writes, one commit) against the Windows profile-string service. Then
// the same for the whole load and save of a full palette through the program's palette file code
// against the service making the same reads and writes.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/integer_parse.h"
#include "bench/bench_clock_win.h"
#include "persist/file_io.h"
#include "persist/pallet_file.h"
#include "persist/profile_file.h"

namespace {

using tintrel::bench::Seconds;

struct Key {
    std::string section;
    std::string name;
};

// The palette file at its largest: 8 pages of 16 by 16 cells and the 10 keys of "Pallet".
std::vector<Key> PaletteKeys() {
    std::vector<Key> keys;
    for (const char* name :
         {"Top", "Left", "Right", "Bottom", "Dock", "View", "xCount", "yCount", "zCount", "Select"}) {
        keys.push_back({"Pallet", name});
    }
    for (int page = 1; page <= 8; ++page) {
        for (int column = 0; column < 16; ++column) {
            for (int row = 0; row < 16; ++row) {
                keys.push_back(
                    {"Tab" + std::to_string(page), "C_" + std::to_string(column) + "_" + std::to_string(row)});
            }
        }
    }
    return keys;
}

// Every key, read and written one by one. False when the two sides read different values.
bool TimeKeyByKey(const std::filesystem::path& path) {
    const std::string ansiPath = path.string();
    const std::vector<Key> keys = PaletteKeys();
    std::filesystem::remove(path);
    {
        tintrel::ProfileFile file(path);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            file.WriteInteger(keys[i].section, keys[i].name, static_cast<std::int32_t>(i * 65793));
        }
        file.Commit();
    }

    long long layerSum = 0;
    double start = Seconds();
    {
        const tintrel::ProfileFile file(path);
        for (const Key& key : keys) {
            layerSum += file.ReadInteger(key.section, key.name, 0);
        }
    }
    const double layerRead = Seconds() - start;

    long long windowsSum = 0;
    start = Seconds();
    for (const Key& key : keys) {
        char buffer[2048];
        const DWORD length = GetPrivateProfileStringA(key.section.c_str(), key.name.c_str(), "", buffer, sizeof buffer,
                                                      ansiPath.c_str());
        windowsSum += tintrel::ParseInteger(std::string_view(buffer, length), 0);
    }
    const double windowsRead = Seconds() - start;

    start = Seconds();
    {
        tintrel::ProfileFile file(path);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            file.WriteInteger(keys[i].section, keys[i].name, static_cast<std::int32_t>(i));
        }
        file.Commit();
    }
    const double layerWrite = Seconds() - start;

    start = Seconds();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::string value = std::to_string(i + 1);
        WritePrivateProfileStringA(keys[i].section.c_str(), keys[i].name.c_str(), value.c_str(), ansiPath.c_str());
    }
    const double windowsWrite = Seconds() - start;
    std::filesystem::remove(path);

    std::printf("%zu keys (sums read: layer %lld, Windows %lld)\n", keys.size(), layerSum, windowsSum);
    std::printf("read  every key: layer %9.2f ms, Windows service %9.2f ms, ratio %7.1f\n", layerRead * 1e3,
                windowsRead * 1e3, windowsRead / layerRead);
    std::printf("write every key: layer %9.2f ms, Windows service %9.2f ms, ratio %7.1f\n", layerWrite * 1e3,
                windowsWrite * 1e3, windowsWrite / layerWrite);
    return layerSum == windowsSum;
}

constexpr std::int32_t kColumns = 16;
constexpr std::int32_t kRows = 16;
constexpr std::int32_t kPages = 8;

// One read (an empty value) or write of the service; an empty key lists the section's keys.
struct Access {
    std::string section;
    std::string key;
    std::string value;
};

std::string PageSection(std::int32_t page) {
    return "Tab" + std::to_string(page + 1);
}

std::string CellKey(std::int32_t column, std::int32_t row) {
    return "C_" + std::to_string(column) + "_" + std::to_string(row);
}

// A cell's colour in the palette as saved at the end of run `run`: always above 0, so every cell is written.
std::int32_t CellColor(std::int32_t column, std::int32_t row, std::int32_t page, std::int32_t run) {
    return ((page * kColumns + column) * kRows + row + run) * 65793 % 0xFFFFFF + 1;
}

// A full palette, every cell set by a drop.
void FillPalette(tintrel::PalletStore& store, std::int32_t run) {
    store.SetPalletSize(kColumns, kRows, kPages);
    for (std::int32_t column = 0; column < kColumns; ++column) {
        for (std::int32_t row = 0; row < kRows; ++row) {
            for (std::int32_t page = 0; page < kPages; ++page) {
                store.DropColor(column, row, page, CellColor(column, row, page, run));
            }
        }
    }
}

long long ColorSum(std::int32_t run) {
    long long sum = 0;
    for (std::int32_t column = 0; column < kColumns; ++column) {
        for (std::int32_t row = 0; row < kRows; ++row) {
            for (std::int32_t page = 0; page < kPages; ++page) {
                sum += CellColor(column, row, page, run);
            }
        }
    }
    return sum;
}

long long LayerColorSum(const std::filesystem::path& path) {
    tintrel::PalletFileState state;
    tintrel::PalletStore store;
    tintrel::ProfileFile file(path);
    tintrel::LoadPalletFile(file, state, store);
    long long sum = 0;
    for (std::int32_t column = 0; column < store.XCount(); ++column) {
        for (std::int32_t row = 0; row < store.YCount(); ++row) {
            for (std::int32_t page = 0; page < store.ZCount(); ++page) {
                sum += store.Cell(column, row, page)->Current;
            }
        }
    }
    return sum;
}

// The reads of LoadPalletFile, in its order.
std::vector<Access> LoadReads() {
    std::vector<Access> reads;
    for (const char* key : {"Left", "Top", "Right", "Bottom", "Dock", "View", "xCount", "yCount", "zCount"}) {
        reads.push_back({"Pallet", key, ""});
    }
    for (std::int32_t page = 0; page < kPages; ++page) {
        reads.push_back({PageSection(page), "NAME", ""});
        for (std::int32_t column = 0; column < kColumns; ++column) {
            for (std::int32_t row = 0; row < kRows; ++row) {
                reads.push_back({PageSection(page), CellKey(column, row), ""});
            }
        }
    }
    for (std::int32_t page = kPages; page < 16; ++page) {
        reads.push_back({PageSection(page), "", ""});
    }
    reads.push_back({"Pallet", "Select", ""});
    return reads;
}

// The writes of SavePalletFile for `state` and a palette filled for `run`, in its order.
std::vector<Access> SaveWrites(const tintrel::PalletFileState& state, std::int32_t run) {
    const auto& rect = state.FloatRect;
    std::vector<Access> writes = {
        {"Pallet", "Top", std::to_string(rect.Top)},        {"Pallet", "Left", std::to_string(rect.Left)},
        {"Pallet", "Right", std::to_string(rect.Right)},    {"Pallet", "Bottom", std::to_string(rect.Bottom)},
        {"Pallet", "Dock", state.PalletDocked ? "0" : "1"}, {"Pallet", "View", state.View ? "1" : "0"},
        {"Pallet", "xCount", std::to_string(kColumns)},     {"Pallet", "yCount", std::to_string(kRows)},
        {"Pallet", "zCount", std::to_string(kPages)},       {"Pallet", "Select", std::to_string(state.Select)},
    };
    for (std::int32_t page = 0; page < kPages; ++page) {
        writes.push_back({PageSection(page), "NAME", state.PageNames[static_cast<std::size_t>(page)]});
        for (std::int32_t column = 0; column < kColumns; ++column) {
            for (std::int32_t row = 0; row < kRows; ++row) {
                writes.push_back(
                    {PageSection(page), CellKey(column, row), std::to_string(CellColor(column, row, page, run))});
            }
        }
    }
    return writes;
}

// The palette file's load and save of a full palette, the save over the file of an earlier run. False
// when a side read or wrote other colours than it should.
bool TimePalletFile(const std::filesystem::path& path) {
    const std::string ansiPath = path.string();
    std::filesystem::remove(path);
    tintrel::PalletFileState state;
    state.Select = 3;
    for (std::int32_t page = 1; page <= kPages; ++page) {
        state.PageNames.push_back("Page " + std::to_string(page));
    }
    tintrel::PalletStore earlier;
    FillPalette(earlier, 0);
    {
        tintrel::ProfileFile file(path);
        tintrel::SavePalletFile(file, state, earlier);
        file.Commit();
    }
    std::string earlierFile;
    tintrel::ReadWholeFile(path, earlierFile);

    double start = Seconds();
    const long long layerSum = LayerColorSum(path);
    const double layerLoad = Seconds() - start;

    const std::vector<Access> reads = LoadReads();
    long long windowsSum = 0;
    start = Seconds();
    for (const Access& read : reads) {
        char buffer[2048];
        const DWORD length =
            GetPrivateProfileStringA(read.section.c_str(), read.key.empty() ? nullptr : read.key.c_str(), "", buffer,
                                     sizeof buffer, ansiPath.c_str());
        if (read.key.starts_with("C_")) {
            windowsSum += tintrel::ParseInteger(std::string_view(buffer, length), 0);
        }
    }
    const double windowsLoad = Seconds() - start;

    tintrel::PalletStore changed;
    FillPalette(changed, 1);
    start = Seconds();
    {
        tintrel::ProfileFile file(path);
        tintrel::SavePalletFile(file, state, changed);
        file.Commit();
    }
    const double layerSave = Seconds() - start;
    const bool layerSaved = LayerColorSum(path) == ColorSum(1);

    tintrel::ReplaceWholeFile(path, earlierFile);
    const std::vector<Access> writes = SaveWrites(state, 1);
    start = Seconds();
    for (const Access& write : writes) {
        WritePrivateProfileStringA(write.section.c_str(), write.key.c_str(), write.value.c_str(), ansiPath.c_str());
    }
    const double windowsSave = Seconds() - start;
    const bool windowsSaved = LayerColorSum(path) == ColorSum(1);

    std::printf("palette file of %dx%dx%d through LoadPalletFile and SavePalletFile (%zu reads, %zu writes)\n",
                kColumns, kRows, kPages, reads.size(), writes.size());
    std::printf("load: layer %9.2f ms, Windows service %9.2f ms, ratio %7.1f\n", layerLoad * 1e3, windowsLoad * 1e3,
                windowsLoad / layerLoad);
    std::printf("save: layer %9.2f ms, Windows service %9.2f ms, ratio %7.1f\n", layerSave * 1e3, windowsSave * 1e3,
                windowsSave / layerSave);
    const bool loadsAgree = layerSum == ColorSum(0) && windowsSum == ColorSum(0);
    if (!loadsAgree || !layerSaved || !windowsSaved) {
        std::printf("colours differ: load sums layer %lld, Windows %lld, expected %lld; saves %s, %s\n", layerSum,
                    windowsSum, ColorSum(0), layerSaved ? "right" : "wrong", windowsSaved ? "right" : "wrong");
    }
    return loadsAgree && layerSaved && windowsSaved;
}

}  // namespace

int main() {
    const auto path = std::filesystem::temp_directory_path() / "tintrel_profile_bench.plt";
    const bool keyByKey = TimeKeyByKey(path);
    const bool palletFile = TimePalletFile(path);
    std::filesystem::remove(path);
    return keyByKey && palletFile ? 0 : 1;
}
