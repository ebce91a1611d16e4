#pragma once

#include <cctype>
#include <string>
#include <string_view>

// Names the rows of a parameterised table after one of their texts, so that a failing row
// reads as its equation: "3_2_3" for row 3, "2^*3".
inline std::string RowName(size_t index, std::string_view text) {
    std::string name = std::to_string(index) + "_";
    for (char c : text) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

template <auto Field>
struct NamedBy {
    template <typename Info>
    std::string operator()(const Info& info) const {
        return RowName(info.index, info.param.*Field);
    }
};

struct NamedByText {
    template <typename Info>
    std::string operator()(const Info& info) const {
        return RowName(info.index, info.param);
    }
};
