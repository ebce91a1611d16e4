#pragma once

#include <map>
#include <string>
#include <utility>

#include "registry.h"

namespace quorvel {

// Registry values under HKEY_LOCAL_MACHINE, by key path and value name.
struct FakeRegistry : RegistryReader {
    std::map<std::pair<std::string, std::string>, RegistryData> values;

    void SetText(const std::string& key, const std::string& name, const std::string& text) {
        values[{key, name}] = {RegistryValueKind::Text, text + '\0'};
    }

    std::optional<RegistryData> Read(RegistryRoot root, std::string_view keyPath,
                                     std::string_view valueName) const override {
        if (root != RegistryRoot::LocalMachine) return std::nullopt;
        const auto found = values.find({std::string(keyPath), std::string(valueName)});
        if (found == values.end()) return std::nullopt;
        return found->second;
    }
};

}  // namespace quorvel
