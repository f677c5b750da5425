// Doubles to whole pixel positions and colour channels, defined for every input: a huge,
// infinite or NaN value saturates instead of being undefined behaviour.
#pragma once

#include <cmath>
#include <cstdint>

namespace quindra {

/// Far enough outside any frame to be harmless, small enough that sums of two never overflow.
inline constexpr std::int64_t LIMITE_PIXEL = std::int64_t{1} << 40;

namespace detalhe {
inline std::int64_t satura(double valor) {
    if (std::isnan(valor)) return -LIMITE_PIXEL;
    if (valor >= static_cast<double>(LIMITE_PIXEL)) return LIMITE_PIXEL;
    if (valor <= -static_cast<double>(LIMITE_PIXEL)) return -LIMITE_PIXEL;
    return static_cast<std::int64_t>(valor);
}
} // namespace detalhe

/// Round half to even (the default rounding mode), saturated to +-LIMITE_PIXEL; NaN gives
/// -LIMITE_PIXEL, off every frame.
inline std::int64_t arredonda(double valor) { return detalhe::satura(std::nearbyint(valor)); }

/// Truncation towards zero, saturated the same way.
inline std::int64_t trunca(double valor) { return detalhe::satura(std::trunc(valor)); }

} // namespace quindra
