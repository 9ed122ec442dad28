// Finishing the write of a named file, the same on every platform: the temporary file takes its place or goes.
#include "common/cielovy_subor.h"

#include "common/nahrad_subor.h"

int ZatvorCiel(CielovySubor* c, int ok)
{
    if (!c->f) return 0;
    ok = fclose(c->f) == 0 && ok;
    c->f = nullptr;
    if (c->docasny.empty()) return ok;
    if (ok && NahradSubor(c->docasny.c_str(), c->ciel.c_str())) return 1;
    remove(c->docasny.c_str());  // ours alone: created new by OtvorCiel
    return 0;
}
