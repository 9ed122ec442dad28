// The centres file: one "x,y" line with CR LF per centre.
#pragma once
#include "common/wintypes.h"

// Replaces `subor` whole with the first `pocet` points: the lines go to `subor`.tmp beside it, which
// then takes its place in one step. 0 on success; non-zero when it cannot be written, and then `subor`
// keeps what it held and no temporary file is left.
int PointPoleDoTxt(const char* subor, const POINT* body, int pocet);
