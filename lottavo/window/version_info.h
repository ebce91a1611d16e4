#pragma once

namespace lottavo {

// The program's version block.
struct VersionInfoC {
    const char* fileDescription;
    const char* fileVersion;
    const char* internalName;
    const char* originalFilename;
    const char* productName;
    const char* productVersion;
};

inline constexpr VersionInfoC kVersionInfo = {
    .fileDescription = "Lottavo for Windows 32",
    .fileVersion = "2.01",
    .internalName = "Lottavo",
    .originalFilename = "Lottavo.exe",
    .productName = "Lottavo",
    .productVersion = "2.01 (build 2000-10-16)",
};

// The version line in the application name.
inline constexpr const char* kVersionLine = "Lottavo 2.01";

// Hands the version block to the application as its metadata: the product as application and
// organisation name (the block names no maker), the file version, and the description as the
// property "applicationDescription".
void applyVersionInfo();

}  // namespace lottavo
