#include "color/readout_fields_win.h"

#include "ui/base_window_win.h"
#include "ui/fonts_win.h"
#include "ui/window_text_win.h"  // WidenCp932

namespace tintrel {

namespace {

struct FieldPlace {
    int Left;
    int Top;
    int Width;
};

constexpr int kFieldHeight = 20;
constexpr std::array<FieldPlace, ReadoutFields::kFieldCount> kPlaces{{
    {4, 100, 137},   // EditF
    {4, 124, 41},    // EditR
    {52, 124, 41},   // EditG
    {100, 124, 41},  // EditB
    {4, 148, 41},    // EditC
    {52, 148, 41},   // EditM
    {100, 148, 41},  // EditY
    {148, 148, 41},  // EditK
}};

// Backgrounds of the component fields EditR to EditK.
constexpr std::array<COLORREF, ReadoutFields::kFieldCount - 1> kComponentColors{
    0x00AAAAFF, 0x00AAFFAA, 0x00FFAAAA, 0x00FFFF88, 0x00FF88FF, 0x0088FFFF, 0x00AAAAAA};

}  // namespace

void ReadoutFields::SetText(Field field, std::string_view textCp932) {
    // Setting a text costs a repaint and, on some systems, a round trip to the window server, and so
    // does reading it back: the fields are written only here, so the text each shows is known.
    std::string& shown = shown_[static_cast<std::size_t>(field)];
    if (shown != textCp932) {
        shown = textCp932;
        SetWindowTextW(fields_[field], WidenCp932(textCp932).c_str());
    }
}

void ReadoutFields::Create(HWND parent, int firstId) {
    for (int field = 0; field < kFieldCount; ++field) {
        fields_[static_cast<std::size_t>(field)] = CreateWindowChecked(
            WS_EX_CLIENTEDGE, L"EDIT", L"",
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | ES_READONLY | ES_AUTOHSCROLL | ES_LEFT, 0, 0, 0, 0,
            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstId + field)), nullptr);
    }
    SetDpi(DpiScale());
    for (std::size_t index = 0; index < kComponentColors.size(); ++index) {
        componentBrushes_[index].Reset(CreateSolidBrush(kComponentColors[index]));
    }
    ReadTheme();
}

void ReadoutFields::SetDpi(DpiScale dpi) {
    for (std::size_t field = 0; field < fields_.size(); ++field) {
        const FieldPlace& place = kPlaces[field];
        PlaceControl(fields_[field], RECT{place.Left, place.Top, place.Left + place.Width, place.Top + kFieldHeight},
                     dpi);
        SetControlFont(fields_[field], FixedFont(dpi));
    }
}

void ReadoutFields::ReadTheme() {
    HIGHCONTRASTW contrast{sizeof(contrast), 0, nullptr};
    highContrast_ = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) != FALSE &&
                    (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

void ReadoutFields::Show(const ReadoutTexts& texts) {
    SetText(EditF, texts.F);
    SetText(EditR, texts.R);
    SetText(EditG, texts.G);
    SetText(EditB, texts.B);
    SetText(EditC, texts.C);
    SetText(EditM, texts.M);
    SetText(EditY, texts.Y);
    SetText(EditK, texts.K);
}

HBRUSH ReadoutFields::Background(HWND control, HDC dc) const {
    if (control == fields_[EditF]) {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return GetSysColorBrush(COLOR_WINDOW);
    }
    for (std::size_t index = 0; index < kComponentColors.size(); ++index) {
        if (fields_[index + 1] == control) {
            // A high-contrast theme shows every field in its own colours, so that the text stays legible.
            if (highContrast_) {
                SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
                SetBkColor(dc, GetSysColor(COLOR_WINDOW));
                return GetSysColorBrush(COLOR_WINDOW);
            }
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, kComponentColors[index]);
            return componentBrushes_[index].Get();
        }
    }
    return nullptr;
}

}  // namespace tintrel
