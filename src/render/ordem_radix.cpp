#include "render/ordem_radix.hpp"

#include <bit>
#include <cmath>
#include <limits>
#include <numeric>
#include <utility>

#include <tbb/parallel_for.h>

#include "geometry/paginas_grandes.hpp"

namespace quindra {

namespace {

constexpr int BITS_DIGITO = 11;
constexpr std::size_t BALDES = std::size_t{1} << BITS_DIGITO;
constexpr int DIGITOS = (64 + BITS_DIGITO - 1) / BITS_DIGITO;

std::size_t digito(std::uint64_t chave, int passo) {
    return static_cast<std::size_t>(chave >> (passo * BITS_DIGITO)) & (BALDES - 1);
}

} // namespace

std::uint64_t OrdemRadix::monotona(double chave) {
    if (std::isnan(chave)) return std::numeric_limits<std::uint64_t>::max();
    if (chave == 0) chave = 0; // -0 compares equal to +0, so it must sort with it
    const auto bits = std::bit_cast<std::uint64_t>(chave);
    constexpr std::uint64_t SINAL = std::uint64_t{1} << 63;
    // Negative numbers order backwards in their bits: flip them all; positives go above them.
    return (bits & SINAL) ? ~bits : bits | SINAL;
}

std::span<const std::uint32_t> OrdemRadix::ordena_chaves() {
    const std::size_t n = chaves_.size();
    dimensiona(posicoes_, n);
    std::iota(posicoes_.begin(), posicoes_.end(), std::uint32_t{0});
    dimensiona(chaves_troca_, n);
    dimensiona(posicoes_troca_, n);

    // Every digit's histogram in one read of the keys.
    std::array<std::array<std::uint32_t, BALDES>, DIGITOS> contagens{};
    for (std::uint64_t chave : chaves_)
        for (int p = 0; p < DIGITOS; ++p)
            ++contagens[static_cast<std::size_t>(p)][digito(chave, p)];

    // Least significant digit first; each pass is stable, so equal keys keep their order.
    for (int p = 0; p < DIGITOS; ++p) {
        auto& contagem = contagens[static_cast<std::size_t>(p)];
        // A digit that all keys share (the sign and exponent bits, mostly) moves nothing.
        if (n == 0 || contagem[digito(chaves_[0], p)] == n) continue;
        std::uint32_t inicio = 0;
        for (std::uint32_t& c : contagem) inicio += std::exchange(c, inicio);
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint32_t destino = contagem[digito(chaves_[i], p)]++;
            chaves_troca_[destino] = chaves_[i];
            posicoes_troca_[destino] = posicoes_[i];
        }
        chaves_.swap(chaves_troca_);
        posicoes_.swap(posicoes_troca_);
    }
    return posicoes_;
}

void OrdemRadix::reordena(std::vector<std::uint32_t>& valores) {
    // The spare buffer of the passes takes the result; the two trade places, so sorting as
    // many again allocates nothing.
    auto& destino = posicoes_troca_;
    dimensiona(destino, valores.size());
    tbb::parallel_for(std::size_t{0}, valores.size(),
                      [&](std::size_t k) { destino[k] = valores[posicoes_[k]]; });
    valores.swap(destino);
}

} // namespace quindra
