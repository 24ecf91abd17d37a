// The swatch file readers: any input is either refused with an ExchangeError or gives pages within the
// palette's limits, which the swatch exchange writer writes and its reader gives back unchanged.
#include "exchange/palette_import.h"
#include "exchange/swatch_formats.h"
#include "fuzz/fuzz_input.h"
#include "palette/pallet_page_names.h"

namespace {

void CheckPages(const std::vector<tintrel::ExchangePage>& pages) {
    for (const tintrel::ExchangePage& page : pages) {
        FUZZ_CHECK(page.Name.size() <= tintrel::kMaxPageNameBytes);
    }
    const std::vector<tintrel::ExchangePage> again = tintrel::ReadAse(tintrel::WriteAse(pages), "f");
    FUZZ_CHECK(again.size() == pages.size());
    for (std::size_t index = 0; index < pages.size(); ++index) {
        FUZZ_CHECK(again[index].Colors == pages[index].Colors);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        CheckPages(tintrel::ReadAse(bytes, "f"));
    } catch (const tintrel::ExchangeError&) {
    }
    try {
        CheckPages({tintrel::ReadAco(bytes, "f")});
    } catch (const tintrel::ExchangeError&) {
    }
    try {
        const std::vector<tintrel::ExchangePage> pages = tintrel::ReadPaletteFile(bytes, "f");
        FUZZ_CHECK(!pages.empty());
        for (const tintrel::ExchangePage& page : pages) {
            FUZZ_CHECK(!page.Colors.empty() && tintrel::IsStorablePageName(page.Name));
        }
    } catch (const tintrel::ExchangeError&) {
    }
    return 0;
}
