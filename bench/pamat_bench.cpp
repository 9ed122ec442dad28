// One search of a 3840 x 2160 scene, for measuring the search's memory from outside (valgrind massif,
// /usr/bin/time -v). Usage: zentrivo_bench_pamat [text|tiles|white_page|half_noise|gradients]
#include <cstdio>

#include "search/hladanie.h"
#include "reference/hladaj_objekty.h"
#include "reference/sceny.h"

int main(int argc, char** argv)
{
    const char* nazov = argc > 1 ? argv[1] : "half_noise";
    const GeneratorSceny generator = ScenaPodlaMena(nazov);
    if (!generator) {
        std::fprintf(stderr, "unknown scene %s\n", nazov);
        return 2;
    }
    const Scena scena = generator(3840, 2160);
    const RECT nic = {-10, -10, -5, -5};
    const int kept = HladajObjekty(scena.w, scena.h, scena.farby.data(), nic, scena.stupen, 5, 50);
    const PoctyHladania p = PoslednePocty();
    std::printf("%s 3840x2160: %lld grey pixels, %d cycles, %d objects kept\n", nazov, p.sive_body, p.cykly,
                kept);
    return 0;
}
