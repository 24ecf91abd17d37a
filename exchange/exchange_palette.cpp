#include "exchange/exchange_palette.h"

#include <utility>

namespace tintrel {

void ExchangePage::Add(ColorRef color) {
    if (Colors.size() < kMaxKeptColors) {
        Colors.push_back(color);
    } else {
        ++ColorsNotKept;
    }
}

void PageGatherer::BeginPage(std::string name) {
    nextName_ = std::move(name);
    begun_ = false;
}

void PageGatherer::Add(ColorRef color) {
    if (!begun_) {
        begun_ = true;
        keeping_ = file_.Pages.size() < kMaxKeptPages;
        if (keeping_) {
            file_.Pages.push_back(ExchangePage{std::move(nextName_), 0, {}});
        } else {
            ++file_.PagesNotKept;
        }
    }
    if (keeping_) {
        file_.Pages.back().Add(color);
    }
}

PaletteFile PageGatherer::Finish() && {
    return std::move(file_);
}

}  // namespace tintrel
