// Memory shared by the scan's threads: the count of threads that may hold memory, and the one image
// at a time tried again alone once the others have let theirs go.
#include "scan/scan_pamat.h"

void ZacniVlakno(PamatVlakien* p)
{
    std::lock_guard<std::mutex> z(p->zamok);
    p->drzitelov++;
}

void SkonciVlakno(PamatVlakien* p)
{
    std::lock_guard<std::mutex> z(p->zamok);
    p->drzitelov--;
    p->zmena.notify_all();
}

// Lets go of the thread's memory and waits, under the lock z, until `mozno` holds.
template <class Podmienka>
static void Ustup(PamatVlakien* p, StavHladania* stav, std::unique_lock<std::mutex>& z, Podmienka mozno)
{
    UvolniStav(stav);
    p->drzitelov--;
    p->zmena.notify_all();
    p->zmena.wait(z, mozno);
    p->drzitelov++;
}

void ZacniObraz(PamatVlakien* p, StavHladania* stav)
{
    std::unique_lock<std::mutex> z(p->zamok);
    auto volno = [p] { return p->cakaju == 0 && p->sam == std::thread::id(); };
    if (!volno()) Ustup(p, stav, z, volno);
}

void SkonciObraz(PamatVlakien* p)
{
    std::lock_guard<std::mutex> z(p->zamok);
    if (p->sam != std::this_thread::get_id()) return;
    p->sam = std::thread::id();
    p->zmena.notify_all();
}

bool PockajNaPamat(PamatVlakien* p, StavHladania* stav)
{
    std::unique_lock<std::mutex> z(p->zamok);
    if (p->drzitelov <= 1) return false;
    // Another thread between images may still hold its state: the try alone waits for it too.
    if (p->sam == std::this_thread::get_id()) p->sam = std::thread::id();
    p->cakaju++;
    Ustup(p, stav, z, [p] { return p->drzitelov == 0 && p->sam == std::thread::id(); });
    p->cakaju--;
    p->sam = std::this_thread::get_id();
    return true;
}
