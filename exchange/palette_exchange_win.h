#pragma once

#include <windows.h>

#include <shellapi.h>  // HDROP

#include <cstdint>
#include <optional>
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

// The first file of a drop from the shell; the drop is released.
std::optional<FilePath> DroppedFile(HDROP drop);

// Reads the palette file at `path` into new pages, or, when the palette has all its pages, into the
// selected one after the user agreed. nullopt when nothing changed: the user said no. Throws FileError, leaving the
// palette as it was, for a file that cannot be read, is larger than 16 MB, or is no palette this program reads.
std::optional<ImportOutcome> ImportPallet(const FilePath& path,
                                          PalletStore& store,
                                          std::vector<std::string>& names,
                                          std::int32_t selectedPage);

// Tells the user how many colours or pages of an import found no room, when any did.
void TellWhatWasLeftOut(const ImportOutcome& outcome);

// The folder of a file's full name, with its closing "\".
FilePath FolderOf(const FilePath& path);

}  // namespace tintrel
