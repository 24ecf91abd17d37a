// The palette file loader: any file loads without an error except that it cannot be read or written,
// the palette it gives is always within its limits, and saving it (all cells and the pick history
// written) and loading again gives the same palette.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "persist/file_error.h"
#include "persist/pallet_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    static const std::filesystem::path path = tintrel::fuzz::ScratchFile("Tintrel.plt");
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    tintrel::PalletFileState state;
    tintrel::PalletStore store;
    try {
        tintrel::ProfileFile file(path);
        file.CheckRead();
        tintrel::LoadPalletFile(file, state, store);
    } catch (const tintrel::FileError&) {
        std::filesystem::remove(path);
        return 0;
    }
    FUZZ_CHECK(store.XCount() >= 1 && store.XCount() <= 16 && store.YCount() >= 1 && store.YCount() <= 16);
    FUZZ_CHECK(store.ZCount() >= 1 && store.ZCount() <= 8);
    FUZZ_CHECK(state.PageNames.size() == static_cast<std::size_t>(store.ZCount()));
    FUZZ_CHECK(state.Select >= 0 && state.Select <= store.ZCount());  // the page count: the history's page
    const std::vector<std::int32_t> loaded = store.History().Colors();
    FUZZ_CHECK(loaded.size() <= static_cast<std::size_t>(store.XCount() * store.YCount()));
    for (std::size_t index = 0; index < loaded.size(); ++index) {
        FUZZ_CHECK(loaded[index] >= 0 && loaded[index] <= 0xFFFFFF);
        FUZZ_CHECK(std::find(loaded.begin(), loaded.begin() + static_cast<std::ptrdiff_t>(index), loaded[index]) ==
                   loaded.begin() + static_cast<std::ptrdiff_t>(index));
    }
    // A pick changes the history, so that the save writes it.
    store.History().Record(loaded.empty() ? 0 : loaded.back());
    for (const std::string& name : state.PageNames) {
        FUZZ_CHECK(!name.empty() && name.size() <= 20);
    }

    // Every cell is written when a spare colour is set, so the save gives back all the cells.
    for (std::int32_t page = 0; page < store.ZCount(); ++page) {
        for (std::int32_t column = 0; column < store.XCount(); ++column) {
            for (std::int32_t row = 0; row < store.YCount(); ++row) {
                const std::int32_t current = store.Cell(column, row, page)->Current;
                store.DropColor(column, row, page, 1);
                store.DropColor(column, row, page, current);
            }
        }
    }
    {
        tintrel::ProfileFile file(path);
        tintrel::SavePalletFile(file, state, store);
        file.Commit();
    }
    tintrel::PalletFileState again;
    tintrel::PalletStore reloaded;
    tintrel::ProfileFile file(path);
    tintrel::LoadPalletFile(file, again, reloaded);
    FUZZ_CHECK(again.FloatRect == state.FloatRect && again.PalletDocked == state.PalletDocked &&
               again.View == state.View && again.Select == state.Select && again.PageNames == state.PageNames);
    FUZZ_CHECK(reloaded.XCount() == store.XCount() && reloaded.YCount() == store.YCount() &&
               reloaded.ZCount() == store.ZCount());
    for (std::int32_t page = 0; page < store.ZCount(); ++page) {
        for (std::int32_t column = 0; column < store.XCount(); ++column) {
            for (std::int32_t row = 0; row < store.YCount(); ++row) {
                FUZZ_CHECK(reloaded.Cell(column, row, page)->Current == store.Cell(column, row, page)->Current);
            }
        }
    }
    FUZZ_CHECK(reloaded.History().Colors() == store.History().Colors());
    std::filesystem::remove(path);
    return 0;
}
