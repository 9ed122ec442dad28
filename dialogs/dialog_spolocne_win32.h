// What the About and Settings dialogs share: their initialisation, the messages both handle alike,
// closing, and fitting the caption-less dialog to its content.
#pragma once
#include <windows.h>

// One dialog: what it is made of, and what each opening makes and frees.
struct Dialog {
    int id_bitmapy;                       // the background bitmap
    int vyska_pisma;                      // the buttons' font: the stock GUI font with this height
    const char* pismo;                    //   and this face
    int tlacidiel;                        // the buttons given that font: 1 OK, 2 OK and Cancel
    void (*dokonci)(HWND dlg);            // the dialog's own last step of initialisation, or NULL
    void (*maluj)(HDC hdc);               // paints the dialog's text on WM_PAINT
    void (*kresba)(HDC hdc, RECT* obsah); // the same painting, reporting the rectangle it covers
    HBRUSH* pozadie;                      // the dialog's background brush, a global of its own
    int aj_staticke;                      // 1: static controls (the check box) get the brush too
    HBITMAP bitmapa;                      // this opening's bitmap behind *pozadie, freed with it
    HFONT tlacidla;                       // this opening's font of the buttons, deleted on closing
};

// What both dialog procedures do alike; the result of the dialog procedure, 0 for other messages.
// WM_INITDIALOG: a pattern brush from the bitmap in *d->pozadie; the class that all dialogs share
// (cursor 302, small icon 102, drop shadow as its only style); no caption, system menu or frame, a
// sunken edge; the buttons' font; d->dokonci; and the dialog grown to show its controls and all it
// paints, its corner where the template put its client area. WM_PAINT: d->maluj. The colour
// messages: a transparent background and the brush. WM_DESTROY: the brush and its bitmap freed.
INT_PTR SpravaDialogu(HWND dlg, UINT sprava, WPARAM wParam, Dialog* d);
// Repaints the control window now, deletes the buttons' font and ends the dialog with `vysledok`.
void ZatvorDialog(HWND dlg, Dialog* d, INT_PTR vysledok);
