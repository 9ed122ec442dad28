// The centres file: one "x,y" line with CR LF per centre.
#pragma once
#include "common/wintypes.h"

// Rewrites `subor` with the first `pocet` points; 0 on success, non-zero when it cannot be written.
int PointPoleDoTxt(const char* subor, const POINT* body, int pocet);
