// The text palette readers, style sheets and design tokens included: any input is either refused with an
// ExchangeError or gives pages within the palette's limits that the GIMP palette writer writes and its
// reader gives back with the same colours and name.
#include "exchange/palette_import.h"
#include "exchange/text_formats.h"
#include "exchange/web_palettes.h"
#include "fuzz/fuzz_input.h"
#include "palette/pallet_page_names.h"

namespace {

void CheckPage(const tintrel::ExchangePage& page) {
    FUZZ_CHECK(page.Name.size() <= tintrel::kMaxPageNameBytes && page.Colors.size() <= tintrel::kMaxKeptColors);
    const tintrel::ExchangePage again = tintrel::ReadGpl(tintrel::WriteGpl(page), "f");
    FUZZ_CHECK(again.Colors == page.Colors);
    FUZZ_CHECK(page.Name.empty() || again.Name == page.Name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    using Reader = tintrel::ExchangePage (*)(std::string_view, std::string_view);
    for (const Reader reader :
         {Reader(tintrel::ReadGpl), Reader(tintrel::ReadPaintNet), Reader(tintrel::ReadPlainColors)}) {
        try {
            CheckPage(reader(bytes, "f"));
        } catch (const tintrel::ExchangeError&) {
        }
    }
    using MultiReader = tintrel::PaletteFile (*)(std::string_view, std::string_view);
    for (const MultiReader reader : {MultiReader(tintrel::ReadCss), MultiReader(tintrel::ReadJson)}) {
        try {
            const tintrel::PaletteFile file = reader(bytes, "f");
            FUZZ_CHECK(file.Pages.size() <= tintrel::kMaxKeptPages);
            for (const tintrel::ExchangePage& page : file.Pages) {
                FUZZ_CHECK(!page.Colors.empty());
                CheckPage(page);
            }
        } catch (const tintrel::ExchangeError&) {
        }
    }
    try {
        for (const tintrel::ExchangePage& page : tintrel::ReadPaletteFile(bytes, "f").Pages) {
            FUZZ_CHECK(!page.Colors.empty() && tintrel::IsStorablePageName(page.Name));
        }
    } catch (const tintrel::ExchangeError&) {
    }
    return 0;
}
