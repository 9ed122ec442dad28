// The settings store on Windows: the desktop and the window placement read from the system.
#pragma once
#include <windows.h>

// Loads the settings for the desktop's client rectangle (see ReadRegistryPre).
int ReadRegistry();
// Moves a loaded position that would not fit onto the desktop (see OknoNaPlochuPre).
int OknoNaPlochu();
// Saves the settings and the placement of `okno` (see WriteRegistryPre).
int WriteRegistry(HWND okno);
