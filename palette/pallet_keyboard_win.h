#pragma once

#include <windows.h>

#include <optional>

#include "palette/pallet_geometry.h"

namespace tintrel {

class PalletView;

// The palette's surface worked from the keyboard: it takes the focus by Tab after the page tabs, a
// focused cell shows the system's focus rectangle, the arrows and Home/End move it, and Enter, Space,
// Insert, Delete, Ctrl+C, Ctrl+PageUp/PageDown and the menu keys act on it or on the page.
class PalletKeyboard {
public:
    explicit PalletKeyboard(PalletView& view) : view_(view) {}

    // The focused cell on the selected page, nullopt while the page has no cells.
    std::optional<CellPosition> FocusedCell() const;

    // Handles a keyboard or focus message of the surface; true when it took it, with its result.
    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Handles a message of the tab strip before it: Tab from the page tabs goes on to the surface.
    bool HandleTabStrip(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Draws the focus rectangle around the focused cell while the surface has the focus.
    void PaintFocus(HDC dc) const;

private:
    void KeyDown(unsigned key);
    void MoveFocus(CellPosition cell);
    void Tab(bool backwards) const;
    // Tells assistive technology which cell has the focus now.
    void AnnounceFocus() const;

    PalletView& view_;
    CellPosition focus_;
};

}  // namespace tintrel
