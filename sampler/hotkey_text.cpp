#include "sampler/hotkey_text.h"

#include <array>
#include <cctype>

namespace tintrel {

namespace {

struct Name {
    std::string_view Text;
    unsigned Value;
};

constexpr std::array<Name, 4> kModifiers{{
    {"Shift", kHotKeyShift},
    {"Ctrl", kHotKeyCtrl},
    {"Alt", kHotKeyAlt},
    {"Win", kHotKeyWin},
}};

// Keys with a name of their own, as Windows numbers them.
constexpr std::array<Name, 8> kNamedKeys{{
    {"Space", 0x20},
    {"PgUp", 0x21},
    {"PgDn", 0x22},
    {"End", 0x23},
    {"Home", 0x24},
    {"Ins", 0x2D},
    {"Del", 0x2E},
    {"Pause", 0x13},
}};

constexpr unsigned kF1 = 0x70;
constexpr unsigned kFunctionKeys = 24;

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t index = 0; index < a.size(); ++index) {
        if (std::toupper(static_cast<unsigned char>(a[index])) != std::toupper(static_cast<unsigned char>(b[index]))) {
            return false;
        }
    }
    return true;
}

std::optional<unsigned> KeyCode(std::string_view name) {
    if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0]))) {
        return static_cast<unsigned>(std::toupper(static_cast<unsigned char>(name[0])));
    }
    for (const Name& key : kNamedKeys) {
        if (SameLetters(name, key.Text)) {
            return key.Value;
        }
    }
    // F1 to F24, without leading zeros.
    if (name.size() < 2 || name.size() > 3 || std::toupper(static_cast<unsigned char>(name[0])) != 'F' ||
        name[1] == '0') {
        return std::nullopt;
    }
    unsigned number = 0;
    for (const char digit : name.substr(1)) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        number = number * 10 + static_cast<unsigned>(digit - '0');
    }
    if (number > kFunctionKeys) {
        return std::nullopt;
    }
    return kF1 + number - 1;
}

// Function keys and Pause type nothing; every other key does.
bool TypesText(unsigned key) {
    return !(key >= kF1 && key < kF1 + kFunctionKeys) && key != 0x13;
}

}  // namespace

std::optional<HotKey> ParseHotKey(std::string_view text) {
    text = Trimmed(text);
    if (SameLetters(text, "None")) {
        return HotKey{};
    }
    HotKey hotKey;
    for (;;) {
        const std::size_t plus = text.find('+');
        const std::string_view part = Trimmed(text.substr(0, plus));
        if (plus == std::string_view::npos) {
            const auto key = KeyCode(part);
            if (!key || (TypesText(*key) && (hotKey.Modifiers & (kHotKeyCtrl | kHotKeyAlt | kHotKeyWin)) == 0)) {
                return std::nullopt;
            }
            hotKey.Key = *key;
            return hotKey;
        }
        unsigned modifier = 0;
        for (const Name& name : kModifiers) {
            if (SameLetters(part, name.Text)) {
                modifier = name.Value;
            }
        }
        if (modifier == 0) {
            return std::nullopt;
        }
        hotKey.Modifiers |= modifier;
        text.remove_prefix(plus + 1);
    }
}

std::string HotKeyText(const HotKey& hotKey) {
    if (hotKey.Key == 0) {
        return "None";
    }
    std::string text;
    for (const Name& modifier : kModifiers) {
        if ((hotKey.Modifiers & modifier.Value) != 0) {
            text.append(modifier.Text);
            text.push_back('+');
        }
    }
    for (const Name& key : kNamedKeys) {
        if (key.Value == hotKey.Key) {
            text.append(key.Text);
            return text;
        }
    }
    if (hotKey.Key >= kF1 && hotKey.Key < kF1 + kFunctionKeys) {
        text.push_back('F');
        text.append(std::to_string(hotKey.Key - kF1 + 1));
        return text;
    }
    text.push_back(static_cast<char>(hotKey.Key));
    return text;
}

}  // namespace tintrel
