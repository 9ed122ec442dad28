// Replacing a file on the native build: rename, which replaces the target in one step.
#include "common/nahrad_subor.h"

#include <cstdio>

int NahradSubor(const char* docasny, const char* subor)
{
    return rename(docasny, subor) == 0;
}
