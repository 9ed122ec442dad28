// What the About and Settings dialogs share: the steps of their initialisation, the messages both
// handle alike, closing, and fitting the caption-less dialog to its content.
#pragma once
#include <windows.h>

// One dialog: its own initialisation, its painter and what each opening makes and frees.
struct Dialog {
    void (*inicializuj)(HWND dlg); // WM_INITDIALOG
    void (*maluj)(HDC hdc);        // paints the dialog's text on WM_PAINT
    HBRUSH* pozadie;               // the dialog's background brush, a global of its own
    int aj_staticke;               // 1: static controls (the check box) get the brush too
    HBITMAP bitmapa;               // the bitmap behind *pozadie, freed with it
    HFONT pismo;                   // the buttons' font, for the life of the dialog
};

// The first steps of the initialisation: a pattern brush from bitmap `id` in *d->pozadie; the class
// that all dialogs share (cursor 302, small icon 102, drop shadow as its only style); no caption,
// system menu or frame, a sunken edge; the buttons' font, the stock GUI font with the given height
// and face.
void ZacniDialog(HWND dlg, Dialog* d, int id, int vyska_pisma, const char* pismo);
// Lets the platform recompute the frame that ZacniDialog changed, puts the dialog's corner where the
// template put its client area, and widens and lengthens the dialog as far as needed to show its
// controls and what `kresba` paints, with a small margin.
void PrisposobDialog(HWND dlg, void (*kresba)(HDC, RECT*));
// What both dialog procedures do alike: initialisation, painting, the colour messages and the end of
// the window. The result of the dialog procedure; 0 for any other message.
INT_PTR SpravaDialogu(HWND dlg, UINT sprava, WPARAM wParam, Dialog* d);
// Repaints the control window now, deletes the buttons' font and ends the dialog with `vysledok`.
void ZatvorDialog(HWND dlg, Dialog* d, INT_PTR vysledok);
