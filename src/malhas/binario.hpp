// Numbers stored as bytes in a given byte order, as the binary mesh formats store them.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

namespace quindra {

/// The value of type T whose sizeof(T) bytes start at dados, stored in the order given.
template <typename T> T valor_binario(const char* dados, std::endian ordem) {
    std::array<char, sizeof(T)> bytes;
    std::memcpy(bytes.data(), dados, sizeof(T));
    if (ordem != std::endian::native) std::ranges::reverse(bytes);
    return std::bit_cast<T>(bytes);
}

} // namespace quindra
