// Dialogs that lay themselves out around their texts: controls made in
// code, the size a control's text takes in the control's own font, a column
// that stacks controls from top to bottom, and the dialog's place on the
// screen.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

namespace tpr::win {

// A visible child control with an identifier and no text yet.
HWND CreateControl(HWND parent, const wchar_t* className, DWORD style, int id);
// A label that shows its text as it is ("&" included).
HWND CreateLabel(HWND parent, int id, DWORD alignment = SS_LEFT);

void SetText(HWND window, const std::wstring& text);

// The size of the control's text; wrapped at words to wrapWidth pixels, or
// on one line when wrapWidth is 0.
SIZE MeasureControlText(HWND control, int wrapWidth = 0);

// The width of a column in which each control's text fits on one line,
// with the room to spare that ColumnLayout gives.
int ColumnWidthFor(std::initializer_list<HWND> controls);

class ColumnLayout {
public:
    ColumnLayout(int left, int top, int width) : left_(left), top_(top), width_(width) {}

    // Places the control at the current line, indented, as wide and as high
    // as its text wrapped to the rest of the column, and moves below it and
    // the gap. Each text gets a character's room to spare: some renderers
    // draw glyphs wider than they measure them.
    void Place(HWND control, int indent = 0, int gapAfter = 0) { PlaceAt(control, indent, gapAfter, false); }
    // The same, centred in the column.
    void PlaceCentred(HWND control, int gapAfter = 0) { PlaceAt(control, 0, gapAfter, true); }
    int Top() const { return top_; }

private:
    void PlaceAt(HWND control, int indent, int gapAfter, bool centred);

    int left_;
    int top_;
    int width_;
};

// The answer to WM_CTLCOLORSTATIC and WM_CTLCOLORBTN in a dialog: labels,
// frames and buttons on the dialog's own face, as the system's dialogs show
// them.
LRESULT DialogFaceColours(HDC dc);

// The part of the screen not taken by the taskbar.
RECT WorkArea();

// The outer rectangle of a window of this style with a client area of this
// size, centred over the owner (over the screen without a visible owner)
// and kept on the screen.
RECT CentredWindowRect(HWND owner, int clientWidth, int clientHeight, DWORD style, DWORD exStyle);

}  // namespace tpr::win
