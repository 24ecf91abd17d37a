#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "persist/profile_file.h"

namespace tintrel {

// The values of the settings file, with the defaults of a first start.
struct Settings {
    bool WriteClip = false;  // copy the text line to the clipboard automatically
    bool Small16 = false;    // hexadecimal digits in lower case
    bool StayOnTop = true;
    std::int32_t RGBformat = 0;  // notation numbers, see NotationItem
    std::int32_t CMYKformat = 0;
    std::int32_t SelectedColor = -1;  // negative: no current colour
    std::int32_t SelectedFormat = 0;
    std::int32_t Top = 200;
    std::int32_t Left = 200;
    std::int32_t Height = 270;  // client height while the palette is docked and shown
    // The pick hot key as written (see ParseHotKey); a text that is no key is kept to be written back.
    std::string PickHotKey = "Ctrl+Alt+C";
    bool PickHotKeyOn = true;
    bool PickFrozen = false;  // a pick from anywhere starts with the screen frozen
    std::int32_t Zoom = 4;    // the magnifier's factor
    std::int32_t Sample = 1;  // the side of the square a pick averages over
    // The colour vision the magnifier simulates, in the order of ColorVision: 0 for none.
    std::int32_t Simulate = 0;
    // The contrast window's pair as colour numbers (0x00BBGGRR) and its place; a number that is no
    // colour gives the default. Without a place of its own the window opens beside the main window.
    std::int32_t ContrastText = 0x000000;
    std::int32_t ContrastBack = 0xFFFFFF;
    std::optional<std::int32_t> ContrastLeft;
    std::optional<std::int32_t> ContrastTop;
    bool ContrastOpen = false;
    bool History = true;  // the pick history's page is shown (it records either way)
};

// Reads the keys in the order they are written; a missing or unparsable value gives its default.
Settings ReadSettings(const ProfileFile& file);
// Writes every key, in a fixed order, into the file's pending block.
void WriteSettings(ProfileFile& file, const Settings& settings);
// The stay-on-top choice alone, which the window needs before anything else is read.
bool ReadStayOnTop(const ProfileFile& file);

// Which of a notation group's four items (0 to 3) a stored number checks: below 1 the first, above 2
// the last.
int NotationItem(std::int32_t stored);
// The number stored for a group's check marks: the highest checked item wins, 0 when none is.
std::int32_t NotationNumber(const std::array<bool, 4>& checked);

// The template index to select for a stored one, or nothing when it lies outside a list of `count`.
std::optional<int> SelectedFormatIndex(std::int32_t stored, int count);

// The height stored at close: the window's own while the palette is docked and shown, since the user
// may have resized it; otherwise the height the palette last had there.
std::int32_t SavedPalletHeight(bool docked, bool shown, std::int32_t clientHeight, std::int32_t palletHeight);

}  // namespace tintrel
