#include "color/contrast_preview_win.h"

#include "color/contrast_text.h"
#include "ui/gdi_handles_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

// 見本 Aa 0123: short enough for the narrow previews at the large size
constexpr std::string_view kSampleText = "\x8C\xA9\x96{ Aa 0123";

}  // namespace

void ContrastPreview::Create(HWND parent,
                             int id,
                             const RECT& bounds,
                             const std::wstring& name,
                             const PreviewFonts& fonts,
                             int margin) {
    fonts_ = &fonts;
    margin_ = margin;
    panel_.Create(parent, id, bounds, Panel::Options{.LoweredBevel = true, .DoubleBuffered = true});
    panel_.OnPaint = [this](HDC dc, const RECT& client) { Paint(dc, client); };
    name_.Attach(panel_.Handle(), name, ROLE_SYSTEM_GRAPHIC, STATE_SYSTEM_READONLY);
    // The sample's text and colours, as a reader of the screen would describe the picture.
    name_.ValueOf = [this] {
        return WidenCp932(std::string(kSampleText) + " " + ColorEntryText(pair_.Text) + " / " +
                          ColorEntryText(pair_.Back));
    };
    Show(pair_);
}

void ContrastPreview::Show(const ContrastPair& pair) {
    pair_ = pair;
    panel_.SetColor(ColorRefOf(pair.Back));
    InvalidateRect(panel_.Handle(), nullptr, FALSE);
}

void ContrastPreview::SetDpi(DpiScale dpi, int margin) {
    panel_.SetDpi(dpi);
    margin_ = margin;
    InvalidateRect(panel_.Handle(), nullptr, FALSE);
}

void ContrastPreview::Paint(HDC dc, const RECT& client) const {
    const std::wstring sample = WidenCp932(kSampleText);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorRefOf(pair_.Text));
    int top = client.top + margin_;
    for (const HFONT font : *fonts_) {
        const ScopedSelect select(dc, font);
        RECT line{client.left + margin_, top, client.right - margin_, client.bottom};
        DrawTextW(dc, sample.c_str(), static_cast<int>(sample.size()), &line,
                  DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        top += metrics.tmHeight;
    }
}

}  // namespace tintrel
