// One rule for every sample that is not 8 bits already: a value of 0 to `max` becomes 0 to 255,
// rounded to the nearest, whatever the format or the display it comes from.
#pragma once

// A value over `max` (a sample past a PPM/PGM file's largest value) counts as the largest; max > 0.
inline unsigned char Na8Bitov(unsigned long long v, unsigned long long max)
{
    if (v >= max) return 255;
    return (unsigned char)((v * 510 + max) / (2 * max));
}
