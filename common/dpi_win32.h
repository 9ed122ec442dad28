// Physical pixels on scaled displays: the calls that exchange pixels with the screen run with the
// thread per-monitor DPI aware, while the control window itself stays DPI-unaware and is scaled by the
// system as before.
#pragma once
#include <windows.h>

// Makes the calling thread per-monitor DPI aware (version 2 where the system has it, else version 1)
// and returns its previous context for DpiFyzickeKoniec. NULL where the system has no per-thread
// awareness (before Windows 10 1607): the thread keeps the process's awareness, as before.
HANDLE DpiFyzickeZaciatok();
// Gives the thread back the context that DpiFyzickeZaciatok returned; nothing for NULL.
void DpiFyzickeKoniec(HANDLE predosly);

// The calling thread in physical pixels for good, for a program that shows no window of its own (the
// scan command, whose manifest declares the process per-monitor aware): per-monitor aware as
// DpiFyzickeZaciatok makes it, or, before Windows 10 1607, the process system DPI aware.
void DpiFyzickeVlakno();

// The desktop's client rectangle in physical pixels.
RECT DpiPlocha();
// SetCursorPos in physical pixels.
void DpiKurzorNa(int x, int y);
