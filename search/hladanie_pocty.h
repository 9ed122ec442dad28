// Counts of a search, kept in its state, for the benchmarks and the scan command's timing.
#pragma once

struct PoctyHladania {
    long long sive_body;  // grey pixels of the band outside the exclusion rectangle
    int cykly;            // cycles that completed a chain (one is tested per cycle)
};
