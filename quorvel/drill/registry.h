#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

enum class RegistryRoot { LocalMachine };

enum class RegistryValueKind { Text, Other };

// A value as the registry holds it; a text value usually ends in its terminating zero.
struct RegistryData {
    RegistryValueKind kind = RegistryValueKind::Text;
    std::string bytes;
};

// Reads one value from the system registry.
class RegistryReader {
public:
    virtual ~RegistryReader() = default;

    // Opens `root`\`keyPath` for reading and writing and reads `valueName`; nothing when the key
    // cannot be opened or the value cannot be read.
    virtual std::optional<RegistryData> Read(RegistryRoot root, std::string_view keyPath,
                                             std::string_view valueName) const = 0;
};

// Linux keeps no registry: nothing is ever found.
class NoRegistry : public RegistryReader {
public:
    std::optional<RegistryData> Read(RegistryRoot, std::string_view,
                                     std::string_view) const override {
        return std::nullopt;
    }
};

// Values are read into a buffer of this many characters; longer ones fail to read.
inline constexpr size_t kKeyValueBufferChars = 1024;

struct KeyValue {
    bool found = false;
    std::string text;  // empty when not found
};

// One text value from the registry. Values that are not text name no program and count as
// not found.
KeyValue GetKeyValue(const RegistryReader& registry, RegistryRoot root, std::string_view keyPath,
                     std::string_view valueName);

}  // namespace quorvel
