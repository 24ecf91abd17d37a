// Files that could not be read at start: the run fell back to defaults and leaves such a file as it is,
// unless the user, asked at close, lets it be kept under another name so that the run's changes are saved.
#include <string>
#include <string_view>

#include "app/main_form_win.h"
#include "color/format_editor_win.h"
#include "persist/file_names.h"
#include "persist/kept_file.h"
#include "persist/profile_file.h"
#include "ui/message_box_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

// "ファイル %s は起動時に読めなかったため、この実行での変更はまだ保存されていません。" and, after an empty
// line, "読めなかったファイルを %s という名前で残し、変更を新しいファイルに保存しますか？" and
// "「いいえ」を選ぶと、この実行での変更は失われます。", in code page 932.
constexpr std::string_view kKeepUnreadable =
    "\x83t\x83@\x83"
    "C\x83\x8B %s "
    "\x82\xCD\x8BN\x93\xAE\x8E\x9E\x82\xC9\x93\xC7\x82\xDF\x82\xC8\x82\xA9\x82\xC1\x82\xBD\x82\xBD\x82\xDF\x81"
    "A\x82\xB1\x82\xCC\x8E\xC0\x8Ds\x82\xC5\x82\xCC\x95\xCF\x8DX\x82\xCD\x82\xDC\x82\xBE\x95\xDB\x91\xB6\x82\xB3\x82"
    "\xEA\x82\xC4\x82\xA2\x82\xDC\x82\xB9\x82\xF1\x81"
    "B\r\n\r\n\x93\xC7\x82\xDF\x82\xC8\x82\xA9\x82\xC1\x82\xBD\x83t\x83@\x83"
    "C\x83\x8B\x82\xF0 %s \x82\xC6\x82\xA2\x82\xA4\x96\xBC\x91O\x82\xC5\x8E"
    "c\x82\xB5\x81"
    "A\x95\xCF\x8DX\x82\xF0\x90V\x82\xB5\x82\xA2\x83t\x83@\x83"
    "C\x83\x8B\x82\xC9\x95\xDB\x91\xB6\x82\xB5\x82\xDC\x82\xB7\x82\xA9\x81H\r\n\x81u\x82\xA2\x82\xA2\x82\xA6\x81v\x82"
    "\xF0\x91I\x82\xD4\x82\xC6\x81"
    "A\x82\xB1\x82\xCC\x8E\xC0\x8Ds\x82\xC5\x82\xCC\x95\xCF\x8DX\x82\xCD\x8E\xB8\x82\xED\x82\xEA\x82\xDC\x82\xB7\x81"
    "B";

// `format` with its two "%s" replaced by the two names, which stay in the system's spelling.
std::wstring WithNames(std::string_view format, const FilePath& first, const FilePath& second) {
    std::wstring text;
    const FilePath* names[] = {&first, &second};
    for (const FilePath* name : names) {
        const auto slot = format.find("%s");
        text += WidenCp932(format.substr(0, slot));
        text += *name;
        format.remove_prefix(slot + 2);
    }
    return text + WidenCp932(format);
}

}  // namespace

std::string TFMain::SettingsBytes(const Settings& settings) const {
    ProfileFile file(ProfileFile::NoFile{});
    WriteSettings(file, settings);
    return file.Bytes();
}

std::string TFMain::PalletBytes() const {
    ProfileFile file(ProfileFile::NoFile{});
    SavePalletFile(file, CurrentPalletState(), pallet_);
    return file.Bytes();
}

bool TFMain::ReplaceUnreadable(std::string_view extension, bool changed) {
    if (!changed) {
        return false;
    }
    const FilePath path = SiblingFileName(executablePath_, extension);
    const std::wstring question = WithNames(kKeepUnreadable, path, FreeKeptFileName(path));
    if (ShowWideMessageBox(question, MB_YESNO | MB_ICONWARNING) != IDYES) {
        return false;
    }
    KeepUnderFreeName(path);
    return true;
}

}  // namespace tintrel
