// Running zentrivo-scan from the tests: a fresh directory, the command's exit status and output,
// scenes saved as PNG files.
#pragma once
#include <string>
#include <vector>

#include "reference/sceny.h"
#include "tests/subory_pomoc.h"

std::string Adresar();  // a fresh directory in the build tree for the running test

struct Beh {
    int kod = -1;
    std::string out, err;
};

// Runs the scan command with `argumenty` (already quoted for the shell) in directory a, with the
// environment variables of `prostredie` ("NAME=value ...") set; standard output goes to a/out unless
// `presmerovanie` sends it elsewhere.
Beh Spusti(const std::string& a, const std::string& argumenty, const std::string& presmerovanie = "",
           const std::string& prostredie = "");

void UlozPng(const Scena& s, const std::string& subor);
Scena Stvorec();  // columns and rows 10 to 39 of a 100 x 100 desktop
