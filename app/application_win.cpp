#include "app/application_win.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/main_form_win.h"
#include "app/message_box_win.h"
#include "color/format_editor_win.h"
#include "palette/pallet_settings_win.h"

namespace tintrel {

std::filesystem::path ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

int RunApplication(const std::filesystem::path& executablePath) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES;
    InitCommonControlsEx(&controls);

    TFFormat formatEditor;
    TFPallet palletDialog;
    TFMain mainForm(executablePath, formatEditor, palletDialog);
    const bool created = RunGuarded([&] {
        mainForm.Create();
        formatEditor.Create();
        palletDialog.Create();
    });
    if (!created) {
        return 1;
    }
    mainForm.Show();

    // The loop ends when the main window has been destroyed, after a successful close.
    MSG message{};
    while (mainForm.Handle() != nullptr && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!mainForm.PreTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace tintrel
