// The centres file: one "x,y" line with CR LF per centre.
#pragma once
#include "common/wintypes.h"

// Replaces `subor` whole with the first `pocet` points: the lines go to a temporary file created new
// beside it (beside the file a symbolic link leads to), which then takes its place in one step; a
// device or a pipe is written directly. 0 on success; non-zero when it cannot be written, and then
// `subor` keeps what it held, no temporary file is left and nothing else was touched.
int PointPoleDoTxt(const char* subor, const POINT* body, int pocet);
