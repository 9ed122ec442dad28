// The image's name in a JSON line: always valid UTF-8, and its exact bytes when they are not.
#pragma once
#include <string>

// "\"image\": NAME", NAME a JSON string with quotes, backslashes and control characters escaped and
// each byte sequence that is not UTF-8 as U+FFFD; in that case followed by ", \"image_bytes\": B",
// B the name's bytes in base64, so that a script can still open the file.
std::string JsonMenoObrazu(const char* meno);
