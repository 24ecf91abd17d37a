#include "ui/fonts_win.h"

#include "ui/gdi_handles_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

Font CreateJapaneseFont(std::string_view faceCp932, BYTE pitch) {
    LOGFONTW logFont{};
    logFont.lfHeight = -12;  // negative: the character height, without internal leading
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

}  // namespace

HFONT FormFont() {
    // ＭＳ Ｐゴシック
    static const Font font = CreateJapaneseFont(
        "\x82l\x82r \x82o\x83S\x83V\x83"
        "b\x83N",
        VARIABLE_PITCH);
    return font.Get();
}

HFONT FixedFont() {
    // ＭＳ ゴシック
    static const Font font = CreateJapaneseFont(
        "\x82l\x82r \x83S\x83V\x83"
        "b\x83N",
        FIXED_PITCH);
    return font.Get();
}

void SetControlFont(HWND control, HFONT font) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace tintrel
