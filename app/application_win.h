#pragma once

#include <span>
#include <string>

#include "app/main_form_win.h"
#include "base/file_path.h"
#include "color/format_editor_win.h"
#include "palette/pallet_settings_win.h"

namespace tintrel {

// The executable's own full path, of any length.
FilePath ExecutablePath();

// The program's three forms, which live as long as this object.
struct ApplicationForms {
    // `executablePath` names the program's files.
    explicit ApplicationForms(const FilePath& executablePath);

    // Registers the control classes, then creates the main form, the format editor and the palette
    // settings dialog in this order, hidden. Throws when a window cannot be created.
    void Create();
    // Dispatches every pending message through the main form's keyboard routing; false once the main
    // window has gone.
    bool DispatchPending();

    TFFormat FormatEditor;
    TFPallet PalletDialog;
    TFMain MainForm;
};

// Runs the program: creates the forms, shows the main window and runs the event loop until the main
// window has closed. Returns the exit code. `arguments` (those after the program's name) may hand a
// pick over to the copy that runs already, which ends this one at once.
int RunApplication(const FilePath& executablePath, std::span<const std::wstring> arguments = {});

}  // namespace tintrel
