#include "persist/settings_file.h"

#include <algorithm>
#include <limits>
#include <string>

namespace tintrel {

namespace {

constexpr std::string_view kSystem = "System";
constexpr std::string_view kColor = "Color";
constexpr std::string_view kWindow = "Window";
constexpr std::string_view kOptions = "Options";
constexpr std::string_view kContrast = "Contrast";
constexpr std::int32_t kLastColor = 0xFFFFFF;
constexpr std::int32_t kLastSimulation = 4;

// The options came after the files that older versions wrote: one still at its default is left out of
// a file that does not hold it yet, so that such a file changes only where the user changed something.
constexpr std::string_view kAbsent = "\n";  // no value read from a file holds a line break

void WriteLater(ProfileFile& file,
                std::string_view section,
                std::string_view key,
                const std::string& value,
                const std::string& defaultValue) {
    if (value != defaultValue || file.ReadString(section, key, kAbsent) != kAbsent) {
        file.WriteString(section, key, value);
    }
}

void WriteOption(ProfileFile& file, std::string_view key, const std::string& value, const std::string& defaultValue) {
    WriteLater(file, kOptions, key, value, defaultValue);
}

std::int32_t ReadColorNumber(const ProfileFile& file, std::string_view key, std::int32_t defaultValue) {
    const std::int32_t value = file.ReadInteger(kContrast, key, defaultValue);
    return value >= 0 && value <= kLastColor ? value : defaultValue;
}

std::optional<std::int32_t> ReadPlace(const ProfileFile& file, std::string_view key) {
    constexpr std::int32_t kNoNumber = std::numeric_limits<std::int32_t>::min();
    const std::int32_t value = file.ReadInteger(kContrast, key, kNoNumber);
    return value == kNoNumber ? std::nullopt : std::optional<std::int32_t>(value);
}

void ReadContrast(const ProfileFile& file, Settings& settings) {
    const Settings defaults;
    settings.ContrastText = ReadColorNumber(file, "Text", defaults.ContrastText);
    settings.ContrastBack = ReadColorNumber(file, "Back", defaults.ContrastBack);
    settings.ContrastLeft = ReadPlace(file, "Left");
    settings.ContrastTop = ReadPlace(file, "Top");
    if (!settings.ContrastLeft || !settings.ContrastTop) {
        settings.ContrastLeft.reset();
        settings.ContrastTop.reset();
    }
    settings.ContrastOpen = file.ReadBool(kContrast, "Open", defaults.ContrastOpen);
}

void WriteContrast(ProfileFile& file, const Settings& settings) {
    const Settings defaults;
    WriteLater(file, kContrast, "Text", std::to_string(settings.ContrastText), std::to_string(defaults.ContrastText));
    WriteLater(file, kContrast, "Back", std::to_string(settings.ContrastBack), std::to_string(defaults.ContrastBack));
    if (settings.ContrastLeft && settings.ContrastTop) {
        file.WriteInteger(kContrast, "Left", *settings.ContrastLeft);
        file.WriteInteger(kContrast, "Top", *settings.ContrastTop);
    }
    WriteLater(file, kContrast, "Open", settings.ContrastOpen ? "1" : "0", defaults.ContrastOpen ? "1" : "0");
}

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
    settings.PickHotKey = file.ReadString(kOptions, "PickHotKey", defaults.PickHotKey);
    settings.PickHotKeyOn = file.ReadBool(kOptions, "PickHotKeyOn", defaults.PickHotKeyOn);
    settings.PickFrozen = file.ReadBool(kOptions, "PickFrozen", defaults.PickFrozen);
    settings.Zoom = file.ReadInteger(kOptions, "Zoom", defaults.Zoom);
    settings.Sample = file.ReadInteger(kOptions, "Sample", defaults.Sample);
    settings.Simulate = file.ReadInteger(kOptions, "Simulate", defaults.Simulate);
    if (settings.Simulate < 0 || settings.Simulate > kLastSimulation) {
        settings.Simulate = defaults.Simulate;
    }
    ReadContrast(file, settings);
    settings.History = file.ReadBool(kOptions, "History", defaults.History);
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
    const Settings defaults;
    WriteOption(file, "PickHotKey", settings.PickHotKey, defaults.PickHotKey);
    WriteOption(file, "PickHotKeyOn", settings.PickHotKeyOn ? "1" : "0", defaults.PickHotKeyOn ? "1" : "0");
    WriteOption(file, "PickFrozen", settings.PickFrozen ? "1" : "0", defaults.PickFrozen ? "1" : "0");
    WriteOption(file, "Zoom", std::to_string(settings.Zoom), std::to_string(defaults.Zoom));
    WriteOption(file, "Sample", std::to_string(settings.Sample), std::to_string(defaults.Sample));
    WriteOption(file, "Simulate", std::to_string(settings.Simulate), std::to_string(defaults.Simulate));
    WriteContrast(file, settings);
    WriteOption(file, "History", settings.History ? "1" : "0", defaults.History ? "1" : "0");
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
