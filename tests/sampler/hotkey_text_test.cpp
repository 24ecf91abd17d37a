// Reading and writing the pick hot key as the settings file holds it.
#include "sampler/hotkey_text.h"

#include <gtest/gtest.h>

namespace tintrel {
namespace {

TEST(HotKeyText, ReadsKeysInAnyCaseAndWritesThemInOneOrder) {
    const struct {
        const char* Text;
        HotKey Key;
        const char* Written;
    } cases[] = {
        {"Ctrl+Alt+C", kDefaultPickHotKey, "Ctrl+Alt+C"},
        {"alt + ctrl + c", kDefaultPickHotKey, "Ctrl+Alt+C"},
        {"Shift+Ctrl+F8", {kHotKeyShift | kHotKeyCtrl, 0x77}, "Shift+Ctrl+F8"},
        {"F24", {0, 0x87}, "F24"},
        {"Pause", {0, 0x13}, "Pause"},
        {"Win+Shift+9", {kHotKeyWin | kHotKeyShift, '9'}, "Shift+Win+9"},
        {"Ctrl+PGDN", {kHotKeyCtrl, 0x22}, "Ctrl+PgDn"},
        {"Alt+Space", {kHotKeyAlt, 0x20}, "Alt+Space"},
        {" none ", {}, "None"},
    };
    for (const auto& item : cases) {
        EXPECT_EQ(ParseHotKey(item.Text), item.Key) << item.Text;
        EXPECT_EQ(HotKeyText(item.Key), item.Written) << item.Text;
    }
}

TEST(HotKeyText, RefusesWhatIsNoKeyAndKeysThatTypingNeeds) {
    for (const char* text : {"", "Ctrl", "Ctrl+", "+C", "Ctrl+Alt+CC", "Ctrl+F25", "Ctrl+F0", "Hyper+C",
                             "Ctrl+Alt+\203A", "C", "Shift+C", "Shift+Del", "Space", "5", "Ctrl+Alt+C+D"}) {
        EXPECT_EQ(ParseHotKey(text), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace tintrel
