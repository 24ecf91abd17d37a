#include "persist/pallet_file.h"

#include <string_view>
#include <utility>  // std::move

#include "palette/pallet_page_names.h"
#include "persist/pick_history_file.h"

namespace tintrel {
namespace {

constexpr std::string_view kPallet = "Pallet";
constexpr std::string_view kName = "NAME";
// "色", the default page name before its number.
constexpr std::string_view kColorWord = "\x90\x46";
constexpr std::int32_t kDefaultSize = 4;
// The load clears stale page sections up to this number; later ones are not the palette's.
constexpr std::int32_t kLastPageSection = 16;

std::string PageSection(std::int32_t page) {
    return "Tab" + std::to_string(page + 1);
}

std::string DefaultPageName(std::int32_t page) {
    return std::string(kColorWord) + std::to_string(page + 1);
}

std::string CellKey(std::int32_t column, std::int32_t row) {
    return "C_" + std::to_string(column) + "_" + std::to_string(row);
}

std::int32_t ReadSize(const ProfileFile& file, std::string_view key, std::int32_t highest) {
    const std::int32_t size = file.ReadInteger(kPallet, key, kDefaultSize);
    return size >= 1 && size <= highest ? size : kDefaultSize;
}

// A name loaded from quotes ("  x  ") goes back in quotes, since the reader would trim it otherwise.
std::string StoredName(std::string_view name) {
    if (ReadsBackAsWritten(name)) {
        return std::string(name);
    }
    std::string quoted = "\"";
    return quoted.append(name).append("\"");
}

}  // namespace

void LoadPalletFile(ProfileFile& file, PalletFileState& state, PalletStore& store) {
    const FloatRectangle defaults;
    state.FloatRect.Left = file.ReadInteger(kPallet, "Left", defaults.Left);
    state.FloatRect.Top = file.ReadInteger(kPallet, "Top", defaults.Top);
    state.FloatRect.Right = file.ReadInteger(kPallet, "Right", defaults.Right);
    state.FloatRect.Bottom = file.ReadInteger(kPallet, "Bottom", defaults.Bottom);
    state.PalletDocked = !file.ReadBool(kPallet, "Dock", false);
    state.View = file.ReadBool(kPallet, "View", true);
    const std::int32_t columns = ReadSize(file, "xCount", kMaxPalletColumns);
    const std::int32_t rows = ReadSize(file, "yCount", kMaxPalletRows);
    const std::int32_t pages = ReadSize(file, "zCount", kMaxPalletPages);
    store.SetPalletSize(columns, rows, pages);

    state.PageNames.clear();
    for (std::int32_t page = 0; page < pages; ++page) {
        const std::string section = PageSection(page);
        std::string name = file.ReadString(section, kName, "");
        if (name.empty() || name.size() > kMaxPageNameBytes) {
            name = DefaultPageName(page);
        }
        state.PageNames.push_back(std::move(name));
        for (std::int32_t column = 0; column < columns; ++column) {
            for (std::int32_t row = 0; row < rows; ++row) {
                store.SetCurrent(column, row, page, file.ReadInteger(section, CellKey(column, row), 0));
            }
        }
    }

    ReadHistorySection(file, store.History());

    for (std::int32_t page = pages; page < kLastPageSection; ++page) {
        if (file.SectionExists(PageSection(page))) {
            file.EraseSection(PageSection(page));
        }
    }
    file.Commit();

    // A save writes -1 when no page was selected; the cells need some page. One past the pages is the
    // pick history's.
    const std::int32_t select = file.ReadInteger(kPallet, "Select", 0);
    state.Select = select >= 0 && select <= pages ? select : 0;
}

void SavePalletFile(ProfileFile& file, const PalletFileState& state, const PalletStore& store) {
    file.WriteInteger(kPallet, "Top", state.FloatRect.Top);
    file.WriteInteger(kPallet, "Left", state.FloatRect.Left);
    file.WriteInteger(kPallet, "Right", state.FloatRect.Right);
    file.WriteInteger(kPallet, "Bottom", state.FloatRect.Bottom);
    file.WriteBool(kPallet, "Dock", !state.PalletDocked);
    file.WriteBool(kPallet, "View", state.View);
    file.WriteInteger(kPallet, "xCount", store.XCount());
    file.WriteInteger(kPallet, "yCount", store.YCount());
    file.WriteInteger(kPallet, "zCount", store.ZCount());
    file.WriteInteger(kPallet, "Select", state.Select);

    for (std::int32_t page = 0; page < store.ZCount(); ++page) {
        const std::string section = PageSection(page);
        const auto index = static_cast<std::size_t>(page);
        file.WriteString(section, kName,
                         StoredName(index < state.PageNames.size() ? state.PageNames[index] : DefaultPageName(page)));
        if (!store.PalletModified()) {
            continue;
        }
        for (std::int32_t column = 0; column < store.XCount(); ++column) {
            for (std::int32_t row = 0; row < store.YCount(); ++row) {
                const auto cell = store.Cell(column, row, page);
                // The store cannot tell a never-set cell from a black one, so such a cell leaves the
                // file's colour for it alone, except on a page an import filled, which the file holds whole.
                if (cell && (cell->Current > 0 || cell->Spare > 0 || store.PageFilled(page))) {
                    file.WriteInteger(section, CellKey(column, row), cell->Current);
                }
            }
        }
    }
    WriteHistorySection(file, store.History());
}

}  // namespace tintrel
