// Writes one of the benchmark scenes as a PNG, to time zentrivo-scan on a saved screenshot.
// Usage: zentrivo_scena_png SCENE WIDTH HEIGHT FILE (SCENE: text, tiles, white_page, half_noise, gradients)
#include <stb/stb_image_write.h>

#include <cstdio>
#include <cstdlib>

#include "reference/sceny.h"

int main(int argc, char** argv)
{
    const int w = argc == 5 ? std::atoi(argv[2]) : 0, h = argc == 5 ? std::atoi(argv[3]) : 0;
    if (w <= 0 || h <= 0) {
        std::fprintf(stderr, "usage: zentrivo_scena_png SCENE WIDTH HEIGHT FILE\n");
        return 2;
    }
    const GeneratorSceny generator = ScenaPodlaMena(argv[1]);
    if (!generator) {
        std::fprintf(stderr, "unknown scene %s\n", argv[1]);
        return 2;
    }
    const Scena scena = generator(w, h);
    if (!stbi_write_png(argv[4], w, h, 3, Rgb(scena).data(), 3 * w)) {
        std::fprintf(stderr, "cannot write %s\n", argv[4]);
        return 2;
    }
    std::printf("%s %d x %d, band %d: %s\n", argv[1], w, h, scena.stupen, argv[4]);
    return 0;
}
