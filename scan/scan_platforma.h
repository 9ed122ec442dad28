// What zentrivo-scan needs from the platform: standard streams that carry bytes unchanged, files
// opened and told apart, and names as the system takes them. The live desktop is plocha.h's.
#pragma once
#include <cstddef>
#include <cstdio>
#include <string>

#include "common/wintypes.h"
#include "search/hladanie.h"

// Sets the process up before any image: standard input and output pass bytes through as they are
// (LF line ends on every platform, images read whole from standard input), and the large buffers of
// one image are kept for the next one where the C library would give them back to the system.
void PripravProces();

// Whether the names a and b both lead to one existing file, whatever the path, links or letter case
// say: the centres file must not overwrite the image.
bool TenIstySubor(const char* a, const char* b);
// Whether the name leads to the file the open stream `vstup` (standard input) reads.
bool JeToVstup(const char* meno, FILE* vstup);

// Opens the file `meno` (UTF-8; by its wide name on Windows) to read its bytes. nullptr with errno
// set when it cannot be opened, EISDIR for a directory.
FILE* OtvorNaCitanie(const char* meno);

// The bytes from the position of f to the end of its file when it is a regular file; -1 for a pipe,
// a device or a terminal, whose end is not known before it comes.
long long ZostavaVSubore(FILE* f);

// The program's arguments in UTF-8: argv itself where the system gives bytes (Linux); on Windows the
// command line read again in UTF-16, so that a name outside the ANSI code page stays whole.
char** ArgumentyUtf8(int* argc, char** argv);

// UTF-8 text as it is written to `prud` in lines of text: unchanged on Linux; on Windows in the
// console's code page, or the ANSI code page when prud is a file or a pipe.
std::string TextPreVystup(const std::string& text, FILE* prud);

// The UTF-8 name as the narrow file functions take it (the centres file's writer): unchanged on
// Linux; on Windows in the ANSI code page, as the command line gave it before.
std::string UzkeMeno(const char* meno);
