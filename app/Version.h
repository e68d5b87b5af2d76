#pragma once
// The program's version information, as the executable's version block carries it.

namespace version {

constexpr unsigned short number[4] = {1, 0, 0, 1}; // file and product version
constexpr const char* fileVersion = "1, 0, 0, 1";
constexpr const char* productVersion = "1, 0, 0, 1";
constexpr const char* fileDescription = "Skarvel MFC Application";
constexpr const char* internalName = "Skarvel";
constexpr const char* originalFilename = "Skarvel.EXE";
constexpr const char* productName = "Skarvel Application";
constexpr const char* companyName = "";
constexpr const char* legalTrademarks = "";
constexpr unsigned short language = 0x0409; // U.S. English
constexpr unsigned short codePage = 0x04B0; // Unicode

} // namespace version
