// Resource IDs of the program, grouped by kind; the resource script and the code name resources only so.
#pragma once

// Icon groups
#define IDI_IKONA 101          // the control window's class icon; also the file's icon
#define IDI_IKONA_DIALOGU 102  // small icon of the dialog class
#define IDI_IKONA_REZERVA 103  // carried, not loaded

// Bitmaps (background patterns)
#define IDB_POZADIE 201             // control window: light grey brushed metal
#define IDB_POZADIE_O_PROGRAME 202  // About dialog: near-black leather grain
#define IDB_POZADIE_NASTAVENIA 203  // Settings dialog: golden brushed metal

// Cursor groups
#define IDC_KURZOR_BOD 301    // carried, not loaded
#define IDC_KURZOR_SIPKA 302  // the arrow over the control window and both dialogs
#define IDC_KURZOR_KRIZ 303   // carried, not loaded

// Menu and its commands
#define IDM_MENU 401
#define IDM_NASTAVENIA 402
#define IDM_O_PROGRAME 403
#define IDM_KONIEC 404

// Dialog controls (besides IDOK 1 and IDCANCEL 2)
#define IDC_SLEDOVAT_KURZOR 501  // the Settings dialog's check box

// Dialog templates
#define IDD_O_PROGRAME 601
#define IDD_NASTAVENIA 602

// Manifest (RT_MANIFEST)
#define IDR_MANIFEST 1
