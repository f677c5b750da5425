// The bytes of a binary file, built value by value in a chosen byte order.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace quindra::teste {

class BytesBinarios {
public:
    explicit BytesBinarios(std::endian ordem = std::endian::little) : ordem_(ordem) {}

    /// Appends a number in the byte order; text is appended as it is.
    template <typename T>
    requires std::is_arithmetic_v<T> BytesBinarios& operator<<(T valor) {
        std::array<char, sizeof(T)> bytes;
        std::memcpy(bytes.data(), &valor, sizeof(T));
        if (ordem_ != std::endian::native) std::ranges::reverse(bytes);
        bytes_.append(bytes.data(), bytes.size());
        return *this;
    }
    BytesBinarios& operator<<(std::string_view texto) {
        bytes_ += texto;
        return *this;
    }
    const std::string& bytes() const { return bytes_; }

private:
    std::endian ordem_;
    std::string bytes_;
};

} // namespace quindra::teste
