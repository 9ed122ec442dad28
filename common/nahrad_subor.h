// Replacing a file in one step: a reader sees the old file or the new one, never a part of either.
#pragma once

// Puts the file `docasny` in the place of `subor` (same folder), replacing an existing `subor`.
// 1 on success; 0 when it cannot (then both are as they were).
int NahradSubor(const char* docasny, const char* subor);
