// Times the palette file's load and save pattern, key by key: the portable profile layer (one open
// for all reads; one open, all writes, one commit) against the Windows profile-string service.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/integer_parse.h"
#include "bench/bench_clock_win.h"
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

}  // namespace

int main() {
    const auto path = std::filesystem::temp_directory_path() / "tintrel_profile_bench.plt";
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
    return layerSum == windowsSum ? 0 : 1;
}
