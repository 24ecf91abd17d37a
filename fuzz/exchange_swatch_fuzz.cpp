// The swatch file readers: any input is either refused with an ExchangeError or gives pages within the
// palette's limits, which the swatch exchange writer writes and its reader gives back unchanged.
#include "exchange/palette_import.h"
#include "exchange/swatch_formats.h"
#include "fuzz/fuzz_input.h"
#include "palette/pallet_page_names.h"

namespace {

void CheckPages(const std::vector<tintrel::ExchangePage>& pages) {
    FUZZ_CHECK(pages.size() <= tintrel::kMaxKeptPages);
    for (const tintrel::ExchangePage& page : pages) {
        FUZZ_CHECK(page.Name.size() <= tintrel::kMaxPageNameBytes && page.Colors.size() <= tintrel::kMaxKeptColors);
    }
    // Written groups without colours are no pages when read back.
    std::vector<tintrel::ExchangePage> expected = pages;
    std::erase_if(expected, [](const tintrel::ExchangePage& page) { return page.Colors.empty(); });
    const std::vector<tintrel::ExchangePage> again = tintrel::ReadAse(tintrel::WriteAse(pages), "f").Pages;
    FUZZ_CHECK(again.size() == expected.size());
    for (std::size_t index = 0; index < expected.size(); ++index) {
        FUZZ_CHECK(again[index].Colors == expected[index].Colors);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        CheckPages(tintrel::ReadAse(bytes, "f").Pages);
    } catch (const tintrel::ExchangeError&) {
    }
    try {
        CheckPages(tintrel::ReadAco(bytes, "f").Pages);
    } catch (const tintrel::ExchangeError&) {
    }
    try {
        const std::vector<tintrel::ExchangePage> pages = tintrel::ReadPaletteFile(bytes, "f").Pages;
        FUZZ_CHECK(!pages.empty());
        for (const tintrel::ExchangePage& page : pages) {
            FUZZ_CHECK(!page.Colors.empty() && tintrel::IsStorablePageName(page.Name));
        }
    } catch (const tintrel::ExchangeError&) {
    }
    return 0;
}
