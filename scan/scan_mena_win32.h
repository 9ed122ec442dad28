// File names between the Windows API's UTF-16 and the scan command's UTF-8, and its text output in
// the console's code page.
#pragma once
#include <windows.h>

#include <string>

// UTF-16 as UTF-8; a lone surrogate keeps its own three bytes (as WTF-8 does), so that every name
// the system gives comes back the same from SirokeMeno.
std::string Utf8Meno(const wchar_t* meno);

// UTF-8 as UTF-16, the three bytes of a lone surrogate as that surrogate; other bytes that are not
// UTF-8 become U+FFFD.
std::wstring SirokeMeno(const char* meno);

// UTF-8 text in the code page `strana` (CP_ACP, a console's), characters it lacks as '?'.
std::string VKodovejStranke(const char* text, UINT strana);
