#pragma once

#include <string>

namespace quorvel {

inline constexpr const char* kAppTitle = "Quorvel";
inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 50;
inline constexpr int kVersionRevision = 0;

// "1.50.0"
std::string VersionNumber();

// "Version 1.50.0"
std::string VersionText();

// The about box's description. The double blanks are part of the text.
inline constexpr const char* kDescription =
    "This program is designed to help your child learn  their multiplication tables through "
    "rote memorization.  This program will time them.  The program will time them so they can "
    "see how long it took them to complete the multiplication table.  The faster they can do "
    "it, the better they know it.";

// Notices to the parents, on the farewell splash and in the about box.
inline constexpr const char* kSplashNotice =
    "A few minutes of practice every day works wonders. Try again tomorrow and see if the time "
    "gets shorter!";
inline constexpr const char* kAboutNotice =
    "Note to parents: sit with your child for the first few runs. Praise every new best time, "
    "and keep the practice short and fun.";

// The maker's two small lines on the splash.
inline constexpr const char* kMakerLine = "Quorvel Learning Tools";
inline constexpr const char* kRightsLine = "Free for home and school";

}  // namespace quorvel
