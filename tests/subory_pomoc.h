// Files in the tests: a fresh directory for the running test, a file's bytes, writing a file, what a
// directory holds.
#pragma once
#include <string>

// Makes the directory `predpona` followed by the running test's name fresh and empty; returns its path.
std::string AdresarTestu(const std::string& predpona);
std::string Obsah(const std::string& subor);  // "" when it cannot be read
void Zapis(const std::string& subor, const std::string& obsah);
// What the directory holds, one entry a line in name order: "name=bytes" for a file, "name/" for a
// folder, "name->target" for a symbolic link, "name|" for a FIFO, "name%" for a character device.
std::string StavAdresara(const std::string& adresar);
