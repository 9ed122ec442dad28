// The canvas handle of the control window, replaced by initscreen at every repaint.
#include "render/okno_kresba.h"

HDC g_hdcMemWindow = nullptr;
