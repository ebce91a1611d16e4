#pragma once

#include <cctype>
#include <string>
#include <string_view>

// Names a row of a parameterised table after one of its texts, so a failing row reads as its
// case: row 3 with text " 6 " becomes "3__6_".
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
