#include "ui/fonts_win.h"

#include <map>
#include <utility>

#include "ui/gdi_handles_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

constexpr int kCharacterHeight = 12;

Font CreateJapaneseFont(std::string_view faceCp932, BYTE pitch, DpiScale dpi) {
    LOGFONTW logFont{};
    logFont.lfHeight = -dpi(kCharacterHeight);  // negative: the character height, without internal leading
    logFont.lfWeight = FW_NORMAL;
    logFont.lfCharSet = SHIFTJIS_CHARSET;
    logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = DEFAULT_QUALITY;
    logFont.lfPitchAndFamily = pitch;
    const std::wstring face = WidenCp932(faceCp932);
    face.copy(logFont.lfFaceName, LF_FACESIZE - 1);
    return Font(CreateFontIndirectW(&logFont));
}

// One font per DPI met: a program's windows meet few DPIs, so nothing is ever released before exit.
HFONT FontAt(std::map<int, Font>& fonts, std::string_view faceCp932, BYTE pitch, DpiScale dpi) {
    auto found = fonts.find(dpi.Dpi());
    if (found == fonts.end()) {
        found = fonts.emplace(dpi.Dpi(), CreateJapaneseFont(faceCp932, pitch, dpi)).first;
    }
    return found->second.Get();
}

}  // namespace

HFONT FormFont(DpiScale dpi) {
    static std::map<int, Font> fonts;
    // ＭＳ Ｐゴシック
    return FontAt(fonts,
                  "\x82l\x82r \x82o\x83S\x83V\x83"
                  "b\x83N",
                  VARIABLE_PITCH, dpi);
}

HFONT FixedFont(DpiScale dpi) {
    static std::map<int, Font> fonts;
    // ＭＳ ゴシック
    return FontAt(fonts,
                  "\x82l\x82r \x83S\x83V\x83"
                  "b\x83N",
                  FIXED_PITCH, dpi);
}

void SetControlFont(HWND control, HFONT font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

}  // namespace tintrel
