#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "palette/pallet_page_names.h"
#include "ui/modal_form_win.h"

namespace tintrel {

// The palette settings dialog: the page names, one per line, and the cells of a page, columns by rows.
// Created hidden at start and kept for the whole run; every opening shows the values last given to
// SetValues, and OK is enabled only while the three fields hold something the palette can take and its
// file give back unchanged.
class TFPallet : public ModalForm<TFPallet> {
public:
    void Create();

    // The values the next opening shows: the page names (code page 932, the tabs' captions, each put on
    // a line of its own) and the columns and rows of a page.
    void SetValues(std::vector<std::string> pageNames, std::int32_t columns, std::int32_t rows);

    // After OK: the page names, from one split of the text box's text, so their number is the page
    // count. While the text is as the dialog showed it, exactly the names given to SetValues.
    std::vector<std::string> PageNames() const;
    // After OK: the columns and rows of a page; 1 for a field that does not parse (OK never allows it).
    std::int32_t Columns() const;
    std::int32_t Rows() const;

    HWND Mtab() const { return mtab_; }
    HWND Xcol() const { return xcol_; }
    HWND Ycol() const { return ycol_; }
    HWND Button1() const { return okButton_; }
    HWND Button2() const { return cancelButton_; }
    // The balloon that tells beside a field why OK is disabled.
    HWND Balloon() const { return balloon_; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

private:
    friend class ModalForm<TFPallet>;

    void LayOut(DpiScale dpi);
    void FormShow();
    void FormPaint();
    void DataChange();
    HWND InitialFocus() const { return mtab_; }
    void Cancel() { Button2Click(); }
    void Button1Click();
    void Button2Click();

    // The text box's text in code page 932; nullopt when it holds a character that code page lacks.
    std::optional<std::string> NamesText() const;
    bool InputValid() const;
    std::optional<SettingsProblem> InputProblem() const;
    void ShowProblem(const std::optional<SettingsProblem>& problem);

    HWND mtab_ = nullptr;
    HWND xcol_ = nullptr;
    HWND ycol_ = nullptr;
    HWND okButton_ = nullptr;
    HWND cancelButton_ = nullptr;
    HWND balloon_ = nullptr;  // owned by the dialog, which destroys it
    std::optional<SettingsProblem> shownProblem_;
    std::vector<std::string> shownNames_;
    std::int32_t shownColumns_ = 0;
    std::int32_t shownRows_ = 0;
};

}  // namespace tintrel
