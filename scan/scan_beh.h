// zentrivo-scan's run: each image read and searched, several on threads of their own, and the
// output written image by image in argument order.
#pragma once
#include <cstdio>
#include <string>

#include "scan/scan_volby.h"

// Searches every image the options name (or the live screen) on v.vlakna threads (0: one for each
// processor). Writes the objects to `out` and the timings and failures to `err`, image by image in
// argument order, whatever the number of threads; reads the image "-" from `vstup`. Returns the exit
// status: 0 when every image was read and searched, 2 when any could not be, 1 when --until ran out
// of time. --watch runs the watch instead.
int SpracujObrazy(const ScanVolby& v, FILE* vstup, FILE* out, FILE* err);

// "zentrivo-scan: TEXT" and a line end, control characters in TEXT written escaped, so that the
// message of a file name holding them stays one line.
std::string RiadokChyby(const char* text);
