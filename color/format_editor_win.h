#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/modal_form_win.h"

namespace tintrel {

// The format editor: a modal dialog whose memo holds the format list, one template per displayed line,
// for the whole run. OK keeps the edits; Cancel, Esc and the close box put back the text as it was when
// the dialog opened.
class TFFormat : public ModalForm<TFFormat> {
public:
    // Creates the hidden dialog with the built-in format list in its memo.
    void Create();

    // The memo's whole text (code page 932), with the line breaks the user typed. While the memo shows
    // what SetMemoText put there, exactly those bytes: characters that have two codes in code page 932
    // come back from Unicode under one of them only, and a file that is merely loaded and saved again
    // must keep its bytes.
    std::string MemoText() const;
    // Shows `text` up to its first zero byte, as a window shows text. Throws std::runtime_error
    // ("文字列の大きさが メモ の制限を越えました") when the memo cannot hold all of that; the memo then
    // keeps its text.
    void SetMemoText(std::string_view text);

    // The format list: the memo's lines as displayed (a long template wraps into several lines), without
    // a final empty line.
    std::vector<std::string> FormatList() const;
    // Line `index` of the format list; empty when there is no such line.
    std::string FormatLine(int index) const;

    HWND MFormat() const { return memo_; }
    HWND Button1() const { return okButton_; }
    HWND Button2() const { return cancelButton_; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

private:
    friend class ModalForm<TFFormat>;

    void FormShow();
    HWND InitialFocus() const { return memo_; }
    void Cancel() { Button2Click(); }
    void Button1Click();
    void Button2Click();

    HWND memo_ = nullptr;
    HWND layoutCopy_ = nullptr;
    HWND okButton_ = nullptr;
    HWND cancelButton_ = nullptr;
    std::wstring formatBackup_;
    std::string memoSource_;
};

}  // namespace tintrel
