#pragma once

#include <cstdint>

namespace quorvel {

// Highest factors of the two grade bands.
inline constexpr std::int16_t kYoungTopFactor = 5;  // 1st to 3rd grade
inline constexpr std::int16_t kOldTopFactor = 12;   // 4th to 6th grade

// One product to ask: A X B.
struct Question {
    int a = 2;
    int b = 1;
    friend bool operator==(const Question&, const Question&) = default;
};

// Every run starts here; the one-times table is never asked.
inline constexpr Question kFirstQuestion{2, 1};

}  // namespace quorvel
