// zentrivo-scan's process set-up on Linux: the memory of the images kept and reused in large pages.
#include <malloc.h>
#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>

#include "scan/scan_platforma.h"

// Fresh memory costs a page fault for every 4 KB, more than decoding the image that fills it. So
// every thread takes its blocks from the one heap, which keeps what an image freed for the next
// image and grows once, by room for a few images, asked to be backed by 2 MB pages where the kernel
// gives them on request (as glibc's malloc.hugetlb tunable does).
void PripravProces()
{
    const size_t kRezerva = (size_t)256 << 20;
    mallopt(M_ARENA_MAX, 1);
    mallopt(M_MMAP_THRESHOLD, (int)kRezerva);
    mallopt(M_TRIM_THRESHOLD, (int)(2 * kRezerva));
    mallopt(M_TOP_PAD, (int)kRezerva);
    // A block larger than the heap's free top: the heap grows by it and the reserve after it.
    void* blok = malloc((size_t)1 << 20);
    if (!blok) return;
    const uintptr_t velka = (uintptr_t)2 << 20, zaciatok = (uintptr_t)blok;
    free(blok);
    const uintptr_t od = (zaciatok + velka - 1) & ~(velka - 1), po = (zaciatok + kRezerva) & ~(velka - 1);
    madvise((void*)od, po - od, MADV_HUGEPAGE);
}
