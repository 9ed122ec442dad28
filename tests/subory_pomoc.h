// Files in the tests: a fresh directory for the running test, a file's bytes, writing a file, listing one.
#pragma once
#include <string>

// Makes the directory `predpona` followed by the running test's name fresh and empty; returns its path.
std::string AdresarTestu(const std::string& predpona);
std::string Obsah(const std::string& subor);  // "" when it cannot be read
void Zapis(const std::string& subor, const std::string& obsah);
// What the directory holds, a line an entry in name order: "name=bytes" (a file), "name/" (a folder),
// "name->target" (a symbolic link), "name|" (a FIFO), "name%" (a character device).
std::string StavAdresara(const std::string& adresar);
