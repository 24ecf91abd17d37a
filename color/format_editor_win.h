#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "color/memo_lines_win.h"
#include "ui/modal_form_win.h"

namespace tintrel {

// The format editor: a modal dialog whose memo shows the format list, one template per displayed line,
// while it is open. It holds the list for the whole run; the memo gets the list when the dialog opens,
// since laying out a long text in it can take seconds. Such a text goes into the memo while the dialog
// runs, the memo read-only and OK disabled until all of it is in. OK makes the edited text the list;
// Cancel, Esc and the close box keep the list as it was when the dialog opened.
class TFFormat : public ModalForm<TFFormat> {
public:
    // Creates the hidden dialog holding the built-in format list.
    void Create();

    // The format list's whole text (code page 932), with the line breaks the user typed. While the list
    // is what SetMemoText gave, exactly those bytes: characters that have two codes in code page 932
    // come back from Unicode under one of them only, and a file that is merely loaded and saved again
    // must keep its bytes.
    std::string MemoText() const;
    // Makes `text` the list, of which the memo shows the part up to the first zero byte, as a window shows
    // text. Throws Error ("文字列の大きさが メモ の制限を越えました") when that part is longer
    // than the memo's limit; the list then stays as it was.
    void SetMemoText(std::string_view text);

    // The format list: the lines the memo displays for it (a long template wraps into several lines),
    // without a final empty line. Worked out once for each list.
    std::vector<std::string> FormatList() const;
    // Line `index` of the format list; empty when there is no such line.
    std::string FormatLine(int index) const;

    HWND MFormat() const { return memo_; }
    HWND Button1() const { return okButton_; }
    HWND Button2() const { return cancelButton_; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

private:
    friend class ModalForm<TFFormat>;

    void LayOut(DpiScale dpi);
    void FormShow();
    HWND InitialFocus() const { return memo_; }
    void Cancel() { Button2Click(); }
    void Button1Click();
    void Button2Click();
    void FillMemo();
    void EndFill();
    void StopFill();
    // While the list goes into the memo, the memo is read-only and OK disabled.
    void ShowFilling(bool filling);
    const std::vector<std::string>& Lines() const;

    HWND memo_ = nullptr;
    HWND layoutCopy_ = nullptr;
    HWND okButton_ = nullptr;
    HWND cancelButton_ = nullptr;
    // The list as read or as OK left it, and what the memo shows of it.
    std::string memoSource_;
    std::wstring shownText_;
    mutable std::optional<std::vector<std::string>> formatLines_;
    // What of the list is still to go into the memo while the dialog runs.
    std::optional<MemoReplacement> memoFill_;
};

}  // namespace tintrel
