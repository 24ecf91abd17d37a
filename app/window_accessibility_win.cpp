#include "app/window_accessibility_win.h"

#include "app/control_names.h"
#include "app/main_form_win.h"
#include "ui/window_text_win.h"

namespace tintrel {

void MainFormAccessibility::Attach(const TFMain& form) {
    const auto attach = [&](int index, ControlId id, std::string_view name, long role, long state) {
        controls_[index].Attach(form.Control(id), WidenCp932(name), role, state);
    };
    constexpr long kField = STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE;
    attach(Magnifier, ControlId::PanelDef, kNameMagnifier, ROLE_SYSTEM_GRAPHIC, STATE_SYSTEM_READONLY);
    // The magnifier is all that the upper panel draws of its own.
    controls_[Magnifier].Area = [&form] { return form.PaintBox1(); };
    attach(PickTarget, ControlId::PanelP, kNamePickTarget, ROLE_SYSTEM_PUSHBUTTON, 0);
    attach(Swatch, ControlId::PanelD, kNameSwatch, ROLE_SYSTEM_GRAPHIC, STATE_SYSTEM_READONLY);
    const HWND text = form.Control(ControlId::EditF);
    controls_[Swatch].ValueOf = [text] { return WindowText(text); };
    controls_[Format].AttachComboBox(form.Control(ControlId::ComboF), WidenCp932(kNameFormat));
    attach(Text, ControlId::EditF, kNameText, ROLE_SYSTEM_TEXT, kField);
    for (int component = 0; component < 7; ++component) {
        attach(kFirstComponent + component, static_cast<ControlId>(static_cast<int>(ControlId::EditR) + component),
               kNameComponents[component], ROLE_SYSTEM_TEXT, kField);
    }
    swatch_ = form.Control(ControlId::PanelD);
}

void MainFormAccessibility::AnnouncePick() const {
    NotifyAccessibleValue(swatch_);
}

}  // namespace tintrel
