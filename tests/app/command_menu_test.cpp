#include "app/command_menu.h"

#include <cctype>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "base/error.h"

namespace tintrel {
namespace {

TEST(ShortcutText, NamesShiftThenCtrlThenTheKey) {
    EXPECT_EQ(ShortcutText(Shortcut{kKeyDelete, false, false}), "Del");
    EXPECT_EQ(ShortcutText(Shortcut{kKeyEscape, false, false}), "Esc");
    EXPECT_EQ(ShortcutText(Shortcut{'P', false, true}), "Ctrl+P");
    EXPECT_EQ(ShortcutText(Shortcut{'F', true, true}), "Shift+Ctrl+F");
}

TEST(CommandForShortcut, MatchesKeyAndModifiersExactly) {
    EXPECT_EQ(CommandForShortcut(Shortcut{kKeyDelete, false, false}), CommandId::Clear1);
    EXPECT_EQ(CommandForShortcut(Shortcut{kKeyEscape, false, false}), CommandId::Exit1);
    EXPECT_EQ(CommandForShortcut(Shortcut{'P', false, true}), CommandId::NPallet);
    EXPECT_EQ(CommandForShortcut(Shortcut{'P', true, true}), CommandId::NPalDlg);
    EXPECT_EQ(CommandForShortcut(Shortcut{'F', true, true}), CommandId::NFormat);
    EXPECT_EQ(CommandForShortcut(Shortcut{'S', true, true}), CommandId::NExport);
    EXPECT_EQ(CommandForShortcut(Shortcut{'O', true, true}), CommandId::NImport);
    EXPECT_EQ(CommandForShortcut(Shortcut{'K', true, true}), CommandId::NContrast);
    EXPECT_EQ(CommandForShortcut(Shortcut{'S', false, true}), std::nullopt);
    EXPECT_EQ(CommandForShortcut(Shortcut{'F', false, true}), std::nullopt);
    EXPECT_EQ(CommandForShortcut(Shortcut{'P', false, false}), std::nullopt);
    EXPECT_EQ(CommandForShortcut(Shortcut{kKeyDelete, true, false}), std::nullopt);
}

TEST(CommandMenuItems, EveryRadioGroupStartsWithExactlyOneCheckedItem) {
    std::map<int, int> checkedPerGroup;
    std::map<int, int> itemsPerGroup;
    for (const MenuItemDef& item : CommandMenuItems()) {
        if (item.RadioGroup != 0) {
            ++itemsPerGroup[item.RadioGroup];
            checkedPerGroup[item.RadioGroup] += item.CheckedAtDesign ? 1 : 0;
        }
    }
    EXPECT_EQ(itemsPerGroup, (std::map<int, int>{{2, 4}, {3, 4}, {4, 4}, {5, 5}}));
    EXPECT_EQ(checkedPerGroup, (std::map<int, int>{{2, 1}, {3, 1}, {4, 1}, {5, 1}}));
    EXPECT_EQ(RadioGroupRange(4), std::pair(CommandId::Sample1, CommandId::Sample9));
    EXPECT_EQ(RadioGroupRange(5), std::pair(CommandId::Simulate0, CommandId::Simulate4));
}

TEST(CommandMenuItems, KeepTheirIdentifiersInDisplayOrder) {
    // The notation groups are addressed as four consecutive identifiers.
    EXPECT_EQ(static_cast<unsigned>(CommandId::RGB4) - static_cast<unsigned>(CommandId::RGB1), 3u);
    EXPECT_EQ(static_cast<unsigned>(CommandId::CMYK4) - static_cast<unsigned>(CommandId::CMYK1), 3u);
    unsigned previous = 0;
    for (const MenuItemDef& item : CommandMenuItems()) {
        EXPECT_GT(static_cast<unsigned>(item.Id), previous);
        previous = static_cast<unsigned>(item.Id);
    }
}

TEST(CommandMenuItems, EachItemHasAnAccessKeyNoSiblingShares) {
    // Keys per parent item (-1: the menu itself); the parent of an item is the last item a level above.
    std::map<int, std::map<char, std::string>> keysUnder;
    std::map<int, int> lastAtLevel{{0, -1}};
    const auto items = CommandMenuItems();
    for (int index = 0; index < static_cast<int>(items.size()); ++index) {
        const MenuItemDef& item = items[index];
        lastAtLevel[item.Level] = index;
        if (item.Caption == "-") {
            continue;
        }
        const std::string caption(item.Caption);
        const std::size_t amp = caption.find('&');
        ASSERT_TRUE(amp != std::string::npos && amp + 1 < caption.size()) << "item " << index << " has no key";
        const char key = static_cast<char>(std::toupper(static_cast<unsigned char>(caption[amp + 1])));
        auto& siblings = keysUnder[lastAtLevel[item.Level - 1]];
        // The frozen pick's caption was given with F, which the format editor has: the key then moves
        // between the two items instead of choosing one.
        if (item.Id == CommandId::NPickFrozen) {
            continue;
        }
        EXPECT_EQ(siblings.count(key), 0u) << "item " << index << " shares " << key << " with " << siblings[key];
        siblings.emplace(key, "item " + std::to_string(index));
    }
}

TEST(CommandMenuItem, RejectsAnUnknownIdentifier) {
    EXPECT_EQ(CommandMenuItem(CommandId::MVar).Level, 1);
    EXPECT_THROW(CommandMenuItem(CommandId::None), Error);
}

}  // namespace
}  // namespace tintrel
