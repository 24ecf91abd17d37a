// The settings file loader: any file loads without an error except that it cannot be read; saving the
// settings read and loading again gives the same settings, and every key the program does not know
// keeps its value. (Sections whose names hold those of the settings are left out of that check.)
#include <filesystem>
#include <fstream>

#include "fuzz/fuzz_input.h"
#include "persist/file_error.h"
#include "persist/settings_file.h"

namespace {

using tintrel::ProfileFile;
using tintrel::Settings;

bool Same(const Settings& first, const Settings& second) {
    return first.WriteClip == second.WriteClip && first.Small16 == second.Small16 &&
           first.StayOnTop == second.StayOnTop && first.RGBformat == second.RGBformat &&
           first.CMYKformat == second.CMYKformat && first.SelectedColor == second.SelectedColor &&
           first.SelectedFormat == second.SelectedFormat && first.Top == second.Top && first.Left == second.Left &&
           first.Height == second.Height;
}

bool IsSettingsSection(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return folded.find("SYSTEM") != folded.npos || folded.find("COLOR") != folded.npos ||
           folded.find("WINDOW") != folded.npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const std::filesystem::path path = tintrel::fuzz::ScratchFile("Tintrel.ini");
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    const auto names = tintrel::fuzz::NamesIn(bytes, 16);
    ProfileFile file(path);
    try {
        file.CheckRead();
    } catch (const tintrel::FileError&) {
        std::filesystem::remove(path);
        return 0;
    }
    std::vector<std::string> others;  // the values of keys outside the settings' sections
    for (const auto& section : names) {
        for (const auto& key : names) {
            others.push_back(IsSettingsSection(section) ? "" : file.ReadString(section, key, "\x01"));
        }
    }
    const Settings settings = tintrel::ReadSettings(file);
    FUZZ_CHECK(tintrel::ReadStayOnTop(file) == settings.StayOnTop);
    const int item = tintrel::NotationItem(settings.RGBformat);
    FUZZ_CHECK(item >= 0 && item <= 3);
    tintrel::WriteSettings(file, settings);
    file.Commit();

    const ProfileFile saved(path);
    FUZZ_CHECK(Same(tintrel::ReadSettings(saved), settings));
    auto other = others.begin();
    for (const auto& section : names) {
        for (const auto& key : names) {
            FUZZ_CHECK(IsSettingsSection(section) || saved.ReadString(section, key, "\x01") == *other);
            ++other;
        }
    }
    std::filesystem::remove(path);
    return 0;
}
