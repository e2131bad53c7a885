// The report dialog ("Program Error"): tells the user that an error has
// occurred and gives three ways of sending the log file to technical
// support, with links that open the log's folder in the file manager and
// one that starts a mail.
#pragma once

#include <windows.h>

#include "win/common/dialog_window.h"
#include "win/common/link_label.h"
#include "win/common/picture_box.h"
#include "win/runtime/forms.h"
#include "win/runtime/unique_any.h"

namespace tpr::win {

class Form11 : public DialogWindow<Form11> {
public:
    static constexpr wchar_t kFormName[] = L"Form11";
    static constexpr wchar_t kClassName[] = L"TprReportDialog";

    enum ControlId {
        kOkId = IDOK,
        kLabel1Id = 101,
        kLabel2Id,
        kLabel3Id,
        kLabel4Id,
        kLabel5Id,
        kLabel6Id,
        kLabel7Id,
        kLabel8Id,
        kLabel9Id,
        kLabel10Id,
        kLabel11Id,
        kLabel12Id,
        kLabel13Id,
        kLabel14Id,
        kLabel15Id,
        kLabel55Id = 155,
        kLabel56Id,
        kLabel57Id,
        kLabel58Id,
        kPicture1Id = 201,
        kPicture2Id,
        kPicture3Id,
        kExclamationId,
    };

    FormRef AsForm() const { return {hwnd(), kFormName}; }

    void Form_Load();
    void bnOK_Click();
    void Label55_Click();
    void Label56_Click();
    void Label57_Click();
    void Label58_Click();

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Controls.
    PictureBox picExclamation;
    HWND Label1 = nullptr, Label2 = nullptr;
    HWND Picture1 = nullptr;  // the first way: through the file manager's "Send To"
    HWND Label3 = nullptr, Label4 = nullptr, Label5 = nullptr, Label6 = nullptr;
    LinkLabel Label58;
    HWND Label7 = nullptr;
    HWND Picture3 = nullptr;  // the second way: the mail link
    HWND Label8 = nullptr, Label9 = nullptr, Label10 = nullptr;
    LinkLabel Label55, Label56;
    HWND Label11 = nullptr;
    HWND Picture2 = nullptr;  // the third way: a mail written by hand
    HWND Label12 = nullptr, Label13 = nullptr, Label14 = nullptr, Label15 = nullptr;
    LinkLabel Label57;

private:
    friend class DialogWindow<Form11>;
    void CreateControls();
    void OnCommand(int id);
    void DrawExclamation();
    void Layout(HWND owner);
    void OpenLogFolder();

    UniqueHfont font_;
};

}  // namespace tpr::win
