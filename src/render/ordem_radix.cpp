#include "render/ordem_radix.hpp"

#include <algorithm>
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

// Keys and their positions side by side, from a first element on.
struct Trecho {
    std::uint64_t* chaves;
    std::uint32_t* posicoes;
};

// Sorts n keys and their positions stably by their lowest bits (the others being the same for
// all), a byte at a time through the room beside them; they end where they started.
void ordena_por_bytes(Trecho trecho, Trecho sala, std::size_t n, int bits) {
    constexpr std::size_t POUCOS = 32;
    if (n <= POUCOS) {
        // Inserting each after every key not above it keeps equal keys in their order.
        for (std::size_t i = 1; i < n; ++i) {
            const std::uint64_t chave = trecho.chaves[i];
            const std::uint32_t posicao = trecho.posicoes[i];
            std::size_t j = i;
            for (; j > 0 && trecho.chaves[j - 1] > chave; --j) {
                trecho.chaves[j] = trecho.chaves[j - 1];
                trecho.posicoes[j] = trecho.posicoes[j - 1];
            }
            trecho.chaves[j] = chave;
            trecho.posicoes[j] = posicao;
        }
        return;
    }
    const Trecho inicial = trecho;
    std::array<std::uint32_t, 256> contagem;
    for (int deslocamento = 0; deslocamento < bits; deslocamento += 8) {
        const auto byte = [deslocamento](std::uint64_t chave) {
            return static_cast<std::size_t>(chave >> deslocamento) & 255;
        };
        contagem.fill(0);
        for (std::size_t i = 0; i < n; ++i) ++contagem[byte(trecho.chaves[i])];
        if (contagem[byte(trecho.chaves[0])] == n) continue;
        std::uint32_t inicio = 0;
        for (std::uint32_t& c : contagem) inicio += std::exchange(c, inicio);
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint32_t destino = contagem[byte(trecho.chaves[i])]++;
            sala.chaves[destino] = trecho.chaves[i];
            sala.posicoes[destino] = trecho.posicoes[i];
        }
        std::swap(trecho, sala);
    }
    if (trecho.chaves != inicial.chaves) {
        std::copy_n(trecho.chaves, n, inicial.chaves);
        std::copy_n(trecho.posicoes, n, inicial.posicoes);
    }
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

void OrdemRadix::guarda_chaves(std::size_t n, double (*chave)(const void*, std::size_t),
                               const void* contexto) {
    dimensiona(chaves_, n);
    tbb::parallel_for(std::size_t{0}, n,
                      [&](std::size_t i) { chaves_[i] = monotona(chave(contexto, i)); });
}

std::span<const std::uint32_t> OrdemRadix::ordena_chaves() {
    const std::size_t n = chaves_.size();
    dimensiona(posicoes_, n);
    std::iota(posicoes_.begin(), posicoes_.end(), std::uint32_t{0});
    dimensiona(chaves_troca_, n);
    dimensiona(posicoes_troca_, n);
    if (n == 0) return posicoes_;
    // Above the highest bit in which the smallest and the largest key differ, every key has
    // the same bits; the eleven bits from there down split the keys into buckets.
    const auto [menor, maior] = std::minmax_element(chaves_.begin(), chaves_.end());
    const std::uint64_t diferentes = *menor ^ *maior;
    if (diferentes == 0) return posicoes_; // all equal: the order stays
    const int topo = 63 - std::countl_zero(diferentes);
    const int abaixo = std::max(0, topo - (BITS_DIGITO - 1));
    const auto balde = [abaixo](std::uint64_t chave) {
        return static_cast<std::size_t>(chave >> abaixo) & (BALDES - 1);
    };
    std::array<std::uint32_t, BALDES + 1> limites{};
    for (std::uint64_t chave : chaves_) ++limites[balde(chave) + 1];
    for (std::size_t b = 1; b <= BALDES; ++b) limites[b] += limites[b - 1];
    std::array<std::uint32_t, BALDES> proximo;
    std::copy_n(limites.begin(), BALDES, proximo.begin());
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t destino = proximo[balde(chaves_[i])]++;
        chaves_troca_[destino] = chaves_[i];
        posicoes_troca_[destino] = posicoes_[i];
    }
    chaves_.swap(chaves_troca_);
    posicoes_.swap(posicoes_troca_);
    // Each bucket is small enough for the caches and sorted on its own, on any core, by the
    // bits below them; the other arrays' stretch of the same bucket is its room to move.
    tbb::parallel_for(std::size_t{0}, BALDES, [&](std::size_t b) {
        const std::size_t inicio = limites[b], quantos = limites[b + 1] - inicio;
        ordena_por_bytes({chaves_.data() + inicio, posicoes_.data() + inicio},
                         {chaves_troca_.data() + inicio, posicoes_troca_.data() + inicio}, quantos,
                         abaixo);
    });
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
