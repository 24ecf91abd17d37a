#include "persist/program_files_win.h"

#include <windows.h>

#include <exception>
#include <utility>

#include "persist/file_io.h"
#include "persist/file_names.h"
#include "persist/format_list_file.h"
#include "persist/kept_file.h"
#include "persist/profile_file.h"
#include "ui/message_box_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

constexpr std::string_view kExtensions[] = {".fmt", ".ini", ".plt"};

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

ProgramFiles::ProgramFiles(FilePath executablePath, Parts parts)
    : executablePath_(std::move(executablePath)), parts_(std::move(parts)) {}

FilePath ProgramFiles::PathOf(std::string_view extension) const {
    return SiblingFileName(executablePath_, extension);
}

void ProgramFiles::RemoveLeftovers() const {
    for (const std::string_view extension : kExtensions) {
        RemoveLeftoverTemporaryFiles(PathOf(extension));
    }
}

bool ProgramFiles::ReadStayOnTop() const {
    return tintrel::ReadStayOnTop(ProfileFile(PathOf(".ini")));
}

void ProgramFiles::LoadFormatList() {
    formatListLoaded_ = RunGuarded([this] {
        if (const auto text = ReadFormatListFile(PathOf(".fmt"))) {
            parts_.SetFormatText(*text);
        }
    });
    if (!formatListLoaded_) {
        formatListAtStart_ = parts_.FormatText();
    }
}

void ProgramFiles::LoadSettings() {
    RunGuarded([this] {
        ProfileFile file(PathOf(".ini"));
        // A file that cannot be read gives the defaults, which are what the run then starts with.
        const Settings settings = ReadSettings(file);
        parts_.ApplySettings(settings);
        settingsAsRead_ = file.TakeDocument();
        settingsAtStart_ = SettingsBytes(settings);
        settingsStarted_ = ProfileDocument(settingsAtStart_);
        file.CheckRead();
        settingsLoaded_ = true;
    });
}

void ProgramFiles::LoadPallet() {
    RunGuarded([this] { ReadPallet(); });
}

void ProgramFiles::ReadPallet() {
    ProfileFile file(PathOf(".plt"));
    // A file that cannot be read gives the palette of a first start.
    std::exception_ptr unreadable;
    try {
        file.CheckRead();
    } catch (...) {
        unreadable = std::current_exception();
    }
    palletLoaded_ = unreadable == nullptr;
    PalletFileState state;
    try {
        LoadPalletFile(file, state, *parts_.Store);
    } catch (...) {
        parts_.ApplyPalletState(state, false);
        palletAsRead_ = file.TakeDocument();
        throw;
    }
    parts_.ApplyPalletState(state, true);
    palletAsRead_ = file.TakeDocument();
    palletAtStart_ = PalletBytes();
    palletStarted_ = ProfileDocument(palletAtStart_);
    if (unreadable) {
        std::rethrow_exception(unreadable);
    }
}

bool ProgramFiles::Save() {
    // Each file on its own: one that cannot be written is reported and costs the others nothing.
    bool saved = RunGuarded([this] {
        const std::string text = parts_.FormatText();
        if (formatListLoaded_ || ReplaceUnreadable(".fmt", text != formatListAtStart_)) {
            WriteFormatListFile(PathOf(".fmt"), text);
            formatListLoaded_ = true;
        }
    });
    saved = RunGuarded([this] { SaveSettings(); }) && saved;
    saved = RunGuarded([this] { SavePallet(); }) && saved;
    return saved;
}

void ProgramFiles::SaveSettings() {
    const Settings settings = parts_.CurrentSettings();
    if (settingsLoaded_ || ReplaceUnreadable(".ini", SettingsBytes(settings) != settingsAtStart_)) {
        ProfileFile file(PathOf(".ini"));
        file.KeepOthersChangesSince(settingsAsRead_, settingsStarted_);
        WriteSettings(file, settings);
        file.Commit();
        settingsLoaded_ = true;
    }
}

void ProgramFiles::SavePallet() {
    if (palletLoaded_ || ReplaceUnreadable(".plt", PalletBytes() != palletAtStart_)) {
        ProfileFile file(PathOf(".plt"));
        file.KeepOthersChangesSince(palletAsRead_, palletStarted_);
        SavePalletFile(file, parts_.CurrentPalletState(), *parts_.Store);
        file.Commit();
        palletLoaded_ = true;
    }
}

std::string ProgramFiles::SettingsBytes(const Settings& settings) const {
    ProfileFile file(ProfileFile::NoFile{});
    WriteSettings(file, settings);
    return file.Bytes();
}

std::string ProgramFiles::PalletBytes() const {
    ProfileFile file(ProfileFile::NoFile{});
    SavePalletFile(file, parts_.CurrentPalletState(), *parts_.Store);
    return file.Bytes();
}

bool ProgramFiles::ReplaceUnreadable(std::string_view extension, bool changed) const {
    if (!changed) {
        return false;
    }
    const FilePath path = PathOf(extension);
    const std::wstring question = WithNames(kKeepUnreadable, path, FreeKeptFileName(path));
    if (ShowWideMessageBox(question, MB_YESNO | MB_ICONWARNING) != IDYES) {
        return false;
    }
    KeepUnderFreeName(path);
    return true;
}

}  // namespace tintrel
