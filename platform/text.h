// Text conversions of the system. Inside the program all text is UTF-8.
#pragma once

#include <string>

namespace veyra::platform {

// UTF-8 to the system's ANSI code page; a character it cannot hold becomes "?".
std::string Utf8ToAnsi(const std::string& utf8);
std::string AnsiToUtf8(const std::string& ansi);
// UTF-8 to code page 866 (the OEM Cyrillic page); a character it cannot hold becomes "?".
std::string Utf8ToOem866(const std::string& utf8);
// The system's lower-case mapping (CharLowerW on Windows).
std::string ToLower(const std::string& utf8);
// Compares without regard to letter case the way the system does (CompareStringW with
// NORM_IGNORECASE on Windows); returns <0, 0 or >0.
int CompareIgnoringCase(const std::string& a, const std::string& b);

}  // namespace veyra::platform
