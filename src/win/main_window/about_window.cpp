#include "win/main_window/about_window.h"

#include <commctrl.h>

#include <algorithm>

#include "core/common/ui_texts.h"
#include "core/errors/trap.h"
#include "core/main_window/app_info.h"
#include "win/common/dialog_layout.h"
#include "win/common/fonts.h"
#include "win/errors/shell_launch.h"
#include "win/resources/resource_ids.h"
#include "win/runtime/application.h"
#include "win/runtime/forms.h"
#include "win/runtime/shell.h"

namespace tpr::win {
namespace {

constexpr int kSectionGap = 12;
constexpr int kLabelGap = 8;

}  // namespace

void Form10::CreateControls() {
    const HWND form = hwnd();
    imgIcon = CreateControl(form, WC_STATICW, SS_ICON, kIconId);
    ::SendMessageW(
        imgIcon, STM_SETICON,
        reinterpret_cast<WPARAM>(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kAppIconId))), 0);
    lblAppName = CreateLabel(form, kAppNameId);
    lblVersion = CreateLabel(form, kVersionId);
    lblNotice1 = CreateLabel(form, kNotice1Id);
    lblNotice2 = CreateLabel(form, kNotice2Id);
    lblWebsite = CreateLabel(form, kWebsiteLabelId);
    Label4.Create(form, kLabel4Id);
    lblSupport = CreateLabel(form, kSupportLabelId);
    Label5.Create(form, kLabel5Id);
    bnOK = CreateControl(form, WC_BUTTONW, BS_DEFPUSHBUTTON | WS_TABSTOP, kOkId);
}

void Form10::Form_Load() {
    err::TopLevelTrap(L"Form10.Form_Load", [&] {
        const Application& app = App();
        SetText(hwnd(), texts::AboutWindowTitle);
        SetText(lblAppName, texts::AppName);
        SetText(lblVersion, VersionLineText(app.Major, app.Minor));
        SetText(lblNotice1, texts::NoticeLine1Text);
        SetText(lblNotice2, texts::NoticeLine2Text);
        SetText(lblWebsite, texts::WebsiteLabelText);
        SetText(Label4.hwnd(), texts::kWebsite);
        SetText(lblSupport, texts::SupportLabelText);
        SetText(Label5.hwnd(), texts::kSupportEmail);
        SetText(bnOK, texts::OkCaption);
        ApplyContainerFont(hwnd());
    });
}

void Form10::Layout(HWND owner) {
    const int iconSize = ::GetSystemMetrics(SM_CXICON);
    ::MoveWindow(imgIcon, kMargin, kMargin, iconSize, iconSize, FALSE);
    const int textLeft = kMargin + iconSize + kMargin;
    // The two link lines: caption, then link, the links one below the other.
    const int captionWidth = ColumnWidthFor({lblWebsite, lblSupport});
    const int linkLeft = captionWidth + kLabelGap;
    const int width = std::max(ColumnWidthFor({lblAppName, lblVersion, lblNotice1, lblNotice2}),
                               linkLeft + ColumnWidthFor({Label4.hwnd(), Label5.hwnd()}));

    ColumnLayout column(textLeft, kMargin, width);
    column.Place(lblAppName, 0, kLineGap);
    column.Place(lblVersion, 0, kSectionGap);
    column.Place(lblNotice1, 0, kLineGap);
    column.Place(lblNotice2, 0, kSectionGap);
    const auto placeLinkLine = [&](HWND caption, HWND link) {
        ColumnLayout captionColumn(textLeft, column.Top(), captionWidth);
        captionColumn.Place(caption);
        column.Place(link, linkLeft, kLineGap);
    };
    placeLinkLine(lblWebsite, Label4.hwnd());
    placeLinkLine(lblSupport, Label5.hwnd());

    FinishLayout(owner, textLeft + width + kMargin, column.Top() + kSectionGap);
}

void Form10::bnOK_Click() {
    err::TopLevelTrap(L"Form10.bnOK_Click", [&] { Unload(); });
}

void Form10::Label4_Click() {
    err::TopLevelTrap(L"Form10.Label4_Click", [&] {
        StartWithShell({hwnd(), L"", texts::kWebsite, L"", SW_SHOWNORMAL});
    });
}

void Form10::Label5_Click() {
    err::TopLevelTrap(L"Form10.Label5_Click", [&] {
        const Application& app = App();
        SendMail(hwnd(), texts::kSupportEmail, MailSubject(app.Major, app.Minor), L"", L"", L"", L"");
    });
}

void Form10::Form_Unload(int16_t& Cancel) {
    err::TopLevelTrap(
        L"Form10.Form_Unload(Cancel)", [&] {}, Cancel);
}

// Closing by the button, the caption's close box or Esc unloads the window.
void Form10::Unload() {
    int16_t cancel = 0;
    Form_Unload(cancel);
    if (cancel == 0) DialogWindow::Unload();
}

void Form10::OnCommand(int id) {
    if (id == kLabel4Id) Label4_Click();
    if (id == kLabel5Id) Label5_Click();
}

}  // namespace tpr::win
