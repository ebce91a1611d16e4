#include "registry.h"

namespace quorvel {

KeyValue GetKeyValue(const RegistryReader& registry, RegistryRoot root, std::string_view keyPath,
                     std::string_view valueName) {
    const auto data = registry.Read(root, keyPath, valueName);
    if (!data || data->bytes.size() > kKeyValueBufferChars) return {};
    if (data->kind != RegistryValueKind::Text) return {};
    // A text ends at its terminating zero; whatever follows one is not part of it.
    const std::string& bytes = data->bytes;
    return {true, bytes.substr(0, bytes.find('\0'))};
}

}  // namespace quorvel
