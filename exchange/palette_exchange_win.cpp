#include "exchange/palette_exchange_win.h"

#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <utility>

#include "exchange/exchange_messages.h"
#include "exchange/palette_export.h"
#include "persist/file_error.h"
#include "persist/file_io.h"
#include "ui/message_box_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

namespace {

// パレットの書き出し
constexpr std::string_view kExportTitle =
    "\x83p\x83\x8C\x83"
    "b\x83g\x82\xCC\x8F\x91\x82\xAB\x8Fo\x82\xB5";
// パレットの読み込み
constexpr std::string_view kImportTitle =
    "\x83p\x83\x8C\x83"
    "b\x83g\x82\xCC\x93\xC7\x82\xDD\x8D\x9E\x82\xDD";
// ファイル %s は既にあります。置き換えますか？
constexpr std::string_view kReplaceFile =
    "\x83t\x83@\x83"
    "C\x83\x8B %s \x82\xCD\x8A\xF9\x82\xC9\x82\xA0\x82\xE8\x82\xDC\x82\xB7\x81"
    "B\x92u\x82\xAB\x8A\xB7\x82\xA6\x82\xDC\x82\xB7\x82\xA9\x81H";
// パレットのファイル (*.gpl;*.ase;*.aco;*.txt;*.css;*.json)
constexpr std::string_view kPaletteFiles =
    "\x83p\x83\x8C\x83"
    "b\x83g\x82\xCC\x83t\x83@\x83"
    "C\x83\x8B (*.gpl;*.ase;*.aco;*.txt;*.css;*.json)";
// すべてのファイル (*.*)
constexpr std::string_view kAllFiles =
    "\x82\xB7\x82\xD7\x82\xC4\x82\xCC\x83t\x83@\x83"
    "C\x83\x8B (*.*)";

// Long enough for any full name the dialogs give.
constexpr DWORD kNameBufferLength = 32768;

void AddFilter(std::wstring& filter, std::string_view description, std::wstring_view patterns) {
    filter += WidenCp932(description);
    filter += L'\0';
    filter += patterns;
    filter += L'\0';
}

// A page name as a file name: the characters no file name may hold become "_".
std::wstring FileNameFor(std::string_view pageName) {
    std::wstring name = WidenCp932(pageName);
    std::replace_if(
        name.begin(), name.end(),
        [](wchar_t c) { return c < 0x20 || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos; },
        L'_');
    return name;
}

// The extension of the name's last part, with its dot; empty without one.
std::string ExtensionOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    const auto dot = path.rfind(L'.');
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) {
        return {};
    }
    std::string extension;
    for (const wchar_t c : std::wstring_view(path).substr(dot)) {
        extension += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return extension;
}

std::string WithCount(std::string_view before, std::size_t count, std::string_view after) {
    return std::string(before) + std::to_string(count) + std::string(after);
}

// The message with the file's full name in its "%s", spelt as the system spells it.
std::wstring FileMessage(std::string_view format, const FilePath& path) {
    std::wstring text = WidenCp932(format);
    const auto slot = text.find(L"%s");
    return slot == std::wstring::npos ? text : text.replace(slot, 2, path);
}

// The palette file at `path`, its size looked at first so that a huge file is never read into memory.
PaletteFile ReadPaletteFileAt(const FilePath& path) {
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes) ||
        (attributes.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        throw FileError(std::string(kCannotOpen), path);
    }
    if (attributes.nFileSizeHigh != 0 || attributes.nFileSizeLow > kMaxExchangeFileBytes) {
        throw FileError(std::string(kFileTooLarge), path);
    }
    std::string bytes;
    if (ReadWholeFile(path, bytes) != ReadOutcome::Read) {
        throw FileError(std::string(kCannotOpen), path);
    }
    try {
        return ReadPaletteFile(bytes, NarrowCp932(path));
    } catch (const ExchangeError& error) {
        throw FileError(error.what(), path);
    }
}

// Runs the standard Save or Open dialog; the chosen full name, or nullopt when the user cancelled.
// `type` holds the chosen file type (from 1) afterwards.
std::optional<FilePath> RunFileDialog(HWND owner,
                                      const FilePath& folder,
                                      std::string_view title,
                                      const std::wstring& filter,
                                      const std::wstring& initialName,
                                      bool save,
                                      DWORD& type) {
    std::wstring name(kNameBufferLength, L'\0');
    name.replace(0, std::min<std::size_t>(initialName.size(), kNameBufferLength - 1), initialName);
    const std::wstring wideTitle = WidenCp932(title);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = kNameBufferLength;
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrTitle = wideTitle.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) {
        return std::nullopt;
    }
    type = dialog.nFilterIndex;
    return FilePath(name.c_str());
}

}  // namespace

WindowDisabled::WindowDisabled(HWND window) {
    if (window != nullptr && IsWindowEnabled(window)) {
        window_ = window;
        EnableWindow(window_, FALSE);
    }
}

WindowDisabled::~WindowDisabled() {
    if (window_ != nullptr) {
        EnableWindow(window_, TRUE);
    }
}

FilePath FolderOf(const FilePath& path) {
    const auto slash = path.find_last_of(L"\\/");
    return slash == FilePath::npos ? FilePath() : path.substr(0, slash + 1);
}

bool ExportPallet(HWND owner, const FilePath& folder, const ExportSource& source) {
    std::vector<ExchangePage> pages = PagesForExport(source.Store, source.Names);
    if (source.WithHistory) {
        pages.push_back(HistoryForExport(source.Store));
    }
    const auto selected = static_cast<std::size_t>(std::max(source.SelectedPage, 0));
    std::wstring filter;
    for (const ExportType& type : ExportTypes()) {
        AddFilter(filter, type.Description, L"*" + WidenCp932(type.Extension));
    }
    const std::wstring initial = selected < pages.size() ? FileNameFor(pages[selected].Name) : std::wstring();
    DWORD chosen = 1;
    std::optional<FilePath> path = RunFileDialog(owner, folder, kExportTitle, filter, initial, true, chosen);
    if (!path) {
        return false;
    }
    const ExportDecision decision = DecideExportType(ExtensionOf(*path), chosen > 0 ? chosen - 1 : 0);
    const ExportType& type = ExportTypes()[decision.Type];
    if (decision.AddExtension) {
        *path += WidenCp932(type.Extension);
        // The dialog asked about the name as typed; the file is the one with the extension.
        if (GetFileAttributesW(path->c_str()) != INVALID_FILE_ATTRIBUTES &&
            ShowWideMessageBox(FileMessage(kReplaceFile, *path), MB_YESNO | MB_ICONQUESTION) != IDYES) {
            return false;
        }
    }
    std::string bytes;
    try {
        bytes = WriteExport(type, pages, source.SelectedPage, source.FormatTemplate, source.Options);
    } catch (const ExchangeError& error) {
        throw FileError(error.what(), *path);
    }
    if (!ReplaceWholeFile(*path, bytes)) {
        throw FileError(std::string(kCannotWriteFile), *path);
    }
    return true;
}

std::optional<FilePath> AskPaletteFile(HWND owner, const FilePath& folder) {
    std::wstring filter;
    AddFilter(filter, kPaletteFiles, L"*.gpl;*.ase;*.aco;*.txt;*.css;*.json");
    AddFilter(filter, kAllFiles, L"*.*");
    DWORD type = 1;
    return RunFileDialog(owner, folder, kImportTitle, filter, std::wstring(), false, type);
}

std::vector<FilePath> DroppedFiles(HDROP drop) {
    std::vector<FilePath> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
        const UINT length = DragQueryFileW(drop, index, nullptr, 0);
        std::wstring name(length + 1, L'\0');
        DragQueryFileW(drop, index, name.data(), length + 1);
        name.resize(length);
        paths.push_back(std::move(name));
    }
    DragFinish(drop);
    return paths;
}

ImportOutcome ImportPalletFiles(std::span<const FilePath> paths,
                                PalletStore& store,
                                std::vector<std::string>& names,
                                std::int32_t selectedPage) {
    const auto selected = static_cast<std::size_t>(std::max(selectedPage, 0));
    const std::string pageName = selected < names.size() ? names[selected] : std::string();
    const auto ask = [&pageName](std::size_t remaining) {
        const std::string question = remaining == 1
                                         ? std::string(kReplacePagePrefix) + pageName + std::string(kReplacePageSuffix)
                                         : WithCount(kFillSelectedPrefix, remaining, kFillSelectedMiddle) + pageName +
                                               std::string(kFillSelectedSuffix);
        return ShowMessageBox(question, MB_YESNO | MB_ICONQUESTION) == IDYES;
    };
    return ImportFiles(store, names, selectedPage, paths, ReadPaletteFileAt, ask);
}

void TellWhatWasLeftOut(const ImportOutcome& outcome) {
    std::wstring text;
    bool failed = false;
    const auto addLine = [&text](const std::wstring& line) { text += (text.empty() ? L"" : L"\r\n") + line; };
    for (const ImportNote& note : outcome.Notes) {
        addLine(FileMessage(note.MessageFormat, note.Path));
        failed = failed || note.IsError;
    }
    const std::pair<std::size_t, std::string_view> counts[] = {
        {outcome.ColorsLeftOut, kColorsLeftOut},
        {outcome.PagesLeftOut, kPagesLeftOut},
        {outcome.FilesLeftOut, kFilesLeftOut},
    };
    for (const auto& [count, what] : counts) {
        if (count > 0) {
            addLine(WidenCp932(WithCount(kColorsLeftOutPrefix, count, what)));
        }
    }
    if (!text.empty()) {
        ShowWideMessageBox(text, MB_OK | (failed ? MB_ICONERROR : MB_ICONINFORMATION));
    }
}

}  // namespace tintrel
