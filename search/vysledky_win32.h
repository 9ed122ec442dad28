// The result lists of the Windows program: sized from the desktop before the first search.
#pragma once

// Grows both result lists to the entries a desktop of the screen's size gets, in physical pixels,
// keeping what they hold; the program calls it once at start-up. 1 on success; 0 when memory runs
// out, and then the lists stay as they were and the searches grow them by what they find.
int VysledkyPodlaPlochy();
