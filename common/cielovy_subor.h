// Writing a file the user named: new content beside it that then takes its place, or a device written as it is.
#pragma once
#include <cstdio>
#include <string>

struct CielovySubor {
    FILE* f = nullptr;     // where the new content goes
    std::string docasny;   // the temporary file made for it; empty when the target is written directly
    std::string ciel;      // the file the temporary one replaces: the name given, its symbolic links followed
};

// Opens the new content of `subor`. A regular file, or a name not there yet, gets a temporary file
// created new and unique in the folder of the file the name leads to: a symbolic link stays a link,
// and the file it points to is the one replaced. A target that is not a regular file (a device, a pipe)
// is written directly, and so is the file standard output or error goes to. 1 on success; 0 when it
// cannot be opened, and then nothing was created.
int OtvorCiel(const char* subor, CielovySubor* c);

// Closes the new content. With `ok` and a temporary file, the temporary file takes the target's place
// in one step; otherwise the temporary file is removed and the target keeps what it held. 1 when the
// target holds the whole new content.
int ZatvorCiel(CielovySubor* c, int ok);
