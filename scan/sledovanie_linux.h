// The watch's Linux half shared by the X11 change notice and the polling build.
#pragma once
#include "scan/sledovanie_platforma.h"

// Takes SIGINT and SIGTERM over (they arrive only while the watch waits) and ignores SIGPIPE;
// `vystup` is standard output's descriptor, or -1 not to watch it.
void PripravZastavenie(int vystup);
void PustiZastavenie();  // the signals as they were before

// Waits up to ms milliseconds (-1: no limit) for descriptor fd (-1: none) to be readable: 1 it is,
// 0 the time ran out, -1 stopped by a signal or standard output closed.
int CakajNaDeskriptor(int fd, long long ms);
