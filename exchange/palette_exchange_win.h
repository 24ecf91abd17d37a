#pragma once

#include <windows.h>

#include <shellapi.h>  // HDROP

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/file_path.h"
#include "color/format_template.h"
#include "exchange/palette_import.h"
#include "palette/pallet_store.h"

namespace tintrel {

// Keeps a window disabled while a modal dialog or box runs: the floating palette, which its owner's
// disabling does not reach. Nothing happens for no window or one that is disabled already.
class WindowDisabled {
public:
    explicit WindowDisabled(HWND window);
    ~WindowDisabled();
    WindowDisabled(const WindowDisabled&) = delete;
    WindowDisabled& operator=(const WindowDisabled&) = delete;

private:
    HWND window_ = nullptr;
};

// What an export writes: the palette's pages and names, the selected page, and the template that text
// through the template uses. With the history's page shown, the history follows the pages as a page of
// its own, which the selected page may be.
struct ExportSource {
    const PalletStore& Store;
    const std::vector<std::string>& Names;
    std::int32_t SelectedPage;
    std::string_view FormatTemplate;
    const TextOptions& Options;
    bool WithHistory = false;
};

// Runs the standard Save dialog over `owner` in `folder`, named after the selected page, and writes the
// file in the format its extension or its type names. False when the user cancelled. Throws FileError
// when the file cannot be written (it is then as it was) or the format cannot hold the page.
bool ExportPallet(HWND owner, const FilePath& folder, const ExportSource& source);

// Runs the standard Open dialog over `owner` in `folder`; nullopt when the user cancelled.
std::optional<FilePath> AskPaletteFile(HWND owner, const FilePath& folder);

// The files of a drop from the shell, in its order; the drop is released.
std::vector<FilePath> DroppedFiles(HDROP drop);

// Reads the palette files at `paths` in turn into new pages, or, when the palette has all its pages and
// the user agreed, into the selected one (see ImportFiles). Throws FileError, leaving the palette as it
// was, for a single file that cannot be read, is larger than 16 MB, or is no palette this program reads.
ImportOutcome ImportPalletFiles(std::span<const FilePath> paths,
                                PalletStore& store,
                                std::vector<std::string>& names,
                                std::int32_t selectedPage);

// Tells the user, in one box, which files of several could not be read and why, which colour names were
// lost, and how many colours, pages or files found no room, when there is anything to tell.
void TellWhatWasLeftOut(const ImportOutcome& outcome);

// The folder of a file's full name, with its closing "\".
FilePath FolderOf(const FilePath& path);

}  // namespace tintrel
