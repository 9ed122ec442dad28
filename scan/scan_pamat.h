// Memory shared by the scan's threads: an image whose buffers cannot be had while other images hold
// theirs waits until they are done and is tried again alone, so that several threads never fail an
// image that one thread reads.
#pragma once
#include <condition_variable>
#include <mutex>
#include <thread>

#include "search/hladanie.h"

struct PamatVlakien {
    std::mutex zamok;
    std::condition_variable zmena;
    int drzitelov = 0;  // threads that may hold memory: at an image, between images, or just started
    int cakaju = 0;     // images waiting for their try alone
    std::thread::id sam;  // the thread trying its image alone; none while nobody is
};

// A thread that will take images: counted before it starts. SkonciVlakno when it ends (its search
// state freed) or could not be started.
void ZacniVlakno(PamatVlakien* p);
void SkonciVlakno(PamatVlakien* p);

// Before and after each image. ZacniObraz waits while an image waits for or takes its try alone,
// the thread's search state freed first, so that memory the thread holds does not stand in its way.
void ZacniObraz(PamatVlakien* p, StavHladania* stav);
void SkonciObraz(PamatVlakien* p);

// After an image failed for want of memory: false when no other thread holds memory (the failure
// stands, as with one thread); otherwise frees the search state, waits until the other threads hold
// none, and returns true: the image is tried again, alone.
bool PockajNaPamat(PamatVlakien* p, StavHladania* stav);
