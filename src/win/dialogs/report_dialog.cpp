// The report dialog (Form11): its controls, texts, layout and links.
#include "win/dialogs/report_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "core/common/ui_texts.h"
#include "core/errors/error_report.h"
#include "core/errors/mail_explorer.h"
#include "core/errors/trap.h"
#include "win/common/dialog_layout.h"
#include "win/common/fonts.h"
#include "win/errors/shell_launch.h"
#include "win/imaging/gdiplus_resize.h"
#include "win/runtime/application.h"
#include "win/runtime/screen.h"

namespace tpr::win {
namespace {

constexpr int kWayPadding = 10;
constexpr int kLinkIndent = 16;
constexpr int kNarrowestWay = 360;
constexpr int kWindowFrameRoom = 40;  // the window's frame and some screen around it

}  // namespace

void Form11::CreateControls() {
    font_ = CreateInterfaceFont();
    const HWND form = hwnd();
    picExclamation.Create(form, kExclamationId);
    Label1 = CreateLabel(form, kLabel1Id);
    Label2 = CreateLabel(form, kLabel2Id);
    // Each way's frame comes before its labels: the labels lie above it.
    Picture1 = CreateControl(form, WC_BUTTONW, BS_GROUPBOX, kPicture1Id);
    Label3 = CreateLabel(form, kLabel3Id);
    Label58.Create(form, kLabel58Id);
    Label4 = CreateLabel(form, kLabel4Id);
    Label5 = CreateLabel(form, kLabel5Id);
    Label6 = CreateLabel(form, kLabel6Id);
    Label7 = CreateLabel(form, kLabel7Id, SS_CENTER);
    Picture3 = CreateControl(form, WC_BUTTONW, BS_GROUPBOX, kPicture3Id);
    Label8 = CreateLabel(form, kLabel8Id);
    Label55.Create(form, kLabel55Id);
    Label9 = CreateLabel(form, kLabel9Id);
    Label56.Create(form, kLabel56Id);
    Label10 = CreateLabel(form, kLabel10Id);
    Label11 = CreateLabel(form, kLabel11Id, SS_CENTER);
    Picture2 = CreateControl(form, WC_BUTTONW, BS_GROUPBOX, kPicture2Id);
    Label12 = CreateLabel(form, kLabel12Id);
    Label13 = CreateLabel(form, kLabel13Id);
    Label14 = CreateLabel(form, kLabel14Id);
    Label57.Create(form, kLabel57Id);
    Label15 = CreateLabel(form, kLabel15Id);
    bnOK = CreateControl(form, WC_BUTTONW, BS_DEFPUSHBUTTON | WS_TABSTOP, kOkId);
}

void Form11::Form_Load() {
    err::TopLevelTrap(L"Form11.Form_Load", [&] {
        SetText(hwnd(), texts::ProgramErrorTitle);
        SetText(bnOK, texts::OkCaption);
        SetText(Label1, texts::ErrorOccurredText);
        SetText(Label2, texts::ErrorDirectionsText);
        SetText(Label3, texts::SendToStep1Text);
        SetText(Label58.hwnd(), err::ErrLogFolder());
        SetText(Label4, texts::SendToStep2Text);
        SetText(Label5, texts::SendToStep3Text);
        SetText(Label6, texts::SendToStep4Text);
        SetText(Label7, texts::OrText);
        SetText(Label8, texts::MailLinkStep1Text);
        SetText(Label55.hwnd(), texts::kSupportEmail);
        SetText(Label9, texts::MailLinkStep2Text);
        SetText(Label56.hwnd(), err::ErrLogFolder());
        SetText(Label10, texts::MailLinkStep3Text);
        SetText(Label11, texts::OrText);
        SetText(Label12, texts::MailClientStep1Text);
        SetText(Label13, texts::MailClientStep2Text);
        SetText(Label14, texts::MailClientStep3Text);
        SetText(Label57.hwnd(), err::ErrLogFolder());
        SetText(Label15, texts::MailClientStep4Text);
        ApplyFormFont(hwnd());
        DrawExclamation();
    });
}

// The icon is drawn once into the picture box's own picture, which keeps it
// through every repaint.
void Form11::DrawExclamation() {
    const int width = ::GetSystemMetrics(SM_CXICON), height = ::GetSystemMetrics(SM_CYICON);
    Canvas canvas(::GetSysColor(COLOR_BTNFACE), width, height);
    ::DrawIcon(canvas.dc(), 0, 0, ::LoadIconW(nullptr, IDI_EXCLAMATION));
    picExclamation.SetPicture(PictureFromBitmap(canvas.Release()));
}

void Form11::Layout(HWND owner) {
    // The ways are as wide as their widest line, within the screen.
    const int widestLine = std::max(
        ColumnWidthFor(
            {Label3, Label4, Label5, Label6, Label8, Label9, Label10, Label12, Label13, Label14, Label15}),
        kLinkIndent + ColumnWidthFor({Label55.hwnd(), Label56.hwnd(), Label57.hwnd(), Label58.hwnd()}));
    const RECT area = WorkArea();
    const int widestWay = (area.right - area.left) - 2 * (kMargin + kWayPadding) - kWindowFrameRoom;
    const int wayInner = std::clamp(widestLine, kNarrowestWay, std::max(widestWay, kNarrowestWay));
    const int clientWidth = wayInner + 2 * (kMargin + kWayPadding);

    const int iconWidth = ::GetSystemMetrics(SM_CXICON), iconHeight = ::GetSystemMetrics(SM_CYICON);
    picExclamation.Move(kMargin * TwipsPerPixelX(), kMargin * TwipsPerPixelY());
    picExclamation.SetWidth(iconWidth * TwipsPerPixelX());
    picExclamation.SetHeight(iconHeight * TwipsPerPixelY());
    picExclamation.SetVisible(true);
    const int textLeft = kMargin + iconWidth + kMargin;
    ColumnLayout header(textLeft, kMargin, clientWidth - textLeft - kMargin);
    header.Place(Label1, 0, 2 * kLineGap);
    header.Place(Label2);
    int top = std::max(header.Top(), kMargin + iconHeight) + kMargin;

    // One way: its lines in a frame, links indented below the line that
    // points to them.
    const auto placeWay = [&](HWND frame, std::initializer_list<std::pair<HWND, int>> lines) {
        const int frameTop = top;
        ColumnLayout column(kMargin + kWayPadding, frameTop + kWayPadding + kLineGap, wayInner);
        for (const auto& [control, indent] : lines) column.Place(control, indent, kLineGap);
        const int frameBottom = column.Top() + kWayPadding - kLineGap;
        ::MoveWindow(frame, kMargin, frameTop, clientWidth - 2 * kMargin, frameBottom - frameTop, FALSE);
        top = frameBottom;
    };
    const auto placeOr = [&](HWND label) {
        ColumnLayout line(kMargin, top + kLineGap, clientWidth - 2 * kMargin);
        line.PlaceCentred(label, kLineGap);
        top = line.Top();
    };
    placeWay(Picture1, {{Label3, 0}, {Label58.hwnd(), kLinkIndent}, {Label4, 0}, {Label5, 0}, {Label6, 0}});
    placeOr(Label7);
    placeWay(Picture3, {{Label8, 0},
                        {Label55.hwnd(), kLinkIndent},
                        {Label9, 0},
                        {Label56.hwnd(), kLinkIndent},
                        {Label10, 0}});
    placeOr(Label11);
    placeWay(Picture2,
             {{Label12, 0}, {Label13, 0}, {Label14, 0}, {Label57.hwnd(), kLinkIndent}, {Label15, 0}});

    FinishLayout(owner, clientWidth, top + kMargin);
}

void Form11::bnOK_Click() {
    err::TopLevelTrap(L"Form11.bnOK_Click", [&] { Unload(); });
}

void Form11::Label55_Click() {
    err::TopLevelTrap(L"Form11.Label55_Click", [&] {
        const Application& app = App();
        SendMail(hwnd(), texts::kSupportEmail,
                 err::ReportMailSubject(app.Title, {app.Major, app.Minor, app.Revision}), L"", L"", L"", L"");
    });
}

void Form11::Label56_Click() {
    err::TopLevelTrap(L"Form11.Label56_Click", [&] { OpenLogFolder(); });
}

void Form11::Label57_Click() {
    err::TopLevelTrap(L"Form11.Label57_Click", [&] { OpenLogFolder(); });
}

void Form11::Label58_Click() {
    err::TopLevelTrap(L"Form11.Label58_Click", [&] { OpenLogFolder(); });
}

void Form11::OpenLogFolder() { OpenInExplorerList(AsForm(), err::ErrLogFilePath()); }

void Form11::OnCommand(int id) {
    switch (id) {
        case kLabel55Id: Label55_Click(); break;
        case kLabel56Id: Label56_Click(); break;
        case kLabel57Id: Label57_Click(); break;
        case kLabel58Id: Label58_Click(); break;
        default: break;
    }
}

LRESULT Form11::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETFONT) return reinterpret_cast<LRESULT>(font_.get());
    return DialogWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace tpr::win
