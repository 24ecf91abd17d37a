#include "persist/settings_file.h"

#include <algorithm>

namespace tintrel {

namespace {

constexpr std::string_view kSystem = "System";
constexpr std::string_view kColor = "Color";
constexpr std::string_view kWindow = "Window";

}  // namespace

bool ReadStayOnTop(const ProfileFile& file) {
    return file.ReadBool(kSystem, "StayOnTop", Settings{}.StayOnTop);
}

Settings ReadSettings(const ProfileFile& file) {
    const Settings defaults;
    Settings settings;
    settings.WriteClip = file.ReadBool(kSystem, "WriteClip", defaults.WriteClip);
    settings.Small16 = file.ReadBool(kSystem, "Small16", defaults.Small16);
    settings.StayOnTop = ReadStayOnTop(file);
    settings.RGBformat = file.ReadInteger(kColor, "RGBformat", defaults.RGBformat);
    settings.CMYKformat = file.ReadInteger(kColor, "CMYKformat", defaults.CMYKformat);
    settings.SelectedColor = file.ReadInteger(kColor, "SelectedColor", defaults.SelectedColor);
    settings.SelectedFormat = file.ReadInteger(kColor, "SelectedFormat", defaults.SelectedFormat);
    settings.Top = file.ReadInteger(kWindow, "Top", defaults.Top);
    settings.Left = file.ReadInteger(kWindow, "Left", defaults.Left);
    settings.Height = file.ReadInteger(kWindow, "Height", defaults.Height);
    return settings;
}

void WriteSettings(ProfileFile& file, const Settings& settings) {
    file.WriteBool(kSystem, "WriteClip", settings.WriteClip);
    file.WriteBool(kSystem, "Small16", settings.Small16);
    file.WriteBool(kSystem, "StayOnTop", settings.StayOnTop);
    file.WriteInteger(kColor, "RGBformat", settings.RGBformat);
    file.WriteInteger(kColor, "CMYKformat", settings.CMYKformat);
    file.WriteInteger(kColor, "SelectedColor", settings.SelectedColor);
    file.WriteInteger(kColor, "SelectedFormat", settings.SelectedFormat);
    file.WriteInteger(kWindow, "Top", settings.Top);
    file.WriteInteger(kWindow, "Left", settings.Left);
    file.WriteInteger(kWindow, "Height", settings.Height);
}

int NotationItem(std::int32_t stored) {
    return std::clamp<std::int32_t>(stored, 0, 3);
}

std::int32_t NotationNumber(const std::array<bool, 4>& checked) {
    std::int32_t number = 0;
    for (std::int32_t item = 1; item < 4; ++item) {
        if (checked[static_cast<std::size_t>(item)]) {
            number = item;
        }
    }
    return number;
}

std::optional<int> SelectedFormatIndex(std::int32_t stored, int count) {
    if (stored < 0 || stored >= count) {
        return std::nullopt;
    }
    return stored;
}

std::int32_t SavedPalletHeight(bool docked, bool shown, std::int32_t clientHeight, std::int32_t palletHeight) {
    return docked && shown ? clientHeight : palletHeight;
}

}  // namespace tintrel
