// The settings store: eight values of "Software\Zentrivo" under the current user.
#pragma once
#include "common/wintypes.h"

// Loads the settings; on the first run centres the window on `desktop` (its client rectangle).
// 1 when the key was new, or every value was read and the key closed; else 0.
int ReadRegistryPre(RECT desktop);
// After loading: when the stored position would put the window's outer rectangle (its size in the
// mode it opens in) even partly outside `desktop`, moves g_dwWindowPos inside by the rule of saving.
// 1 when it was moved, 0 when it fits and is kept.
int OknoNaPlochuPre(RECT desktop);
// Saves the settings and the placement: `okno` is the window's outer rectangle, `show` its show state.
// 1 when every value was written and the key closed; else 0.
int WriteRegistryPre(RECT desktop, RECT okno, UINT show);
