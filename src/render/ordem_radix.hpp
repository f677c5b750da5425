// A stable sort of positions by double keys, in a handful of linear passes instead of a merge
// sort's comparisons. The painter's order of a million triangles is its main use.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "geometry/paginas_grandes.hpp"

namespace quindra {

/// Keeps its buffers between calls, so that sorting as many keys again allocates nothing.
class OrdemRadix {
public:
    /// The positions 0..n-1 in ascending order of chave(position): equal keys keep their order,
    /// -0 equals +0, and every NaN comes last, after +infinity. The span lives until the next
    /// call.
    template <class Chave> std::span<const std::uint32_t> ordena(std::size_t n, Chave&& chave) {
        dimensiona(chaves_, n);
        for (std::size_t i = 0; i < n; ++i) chaves_[i] = monotona(chave(i));
        return ordena_chaves();
    }

    /// Rearranges values, as many as the last call sorted, into the order it found: value k
    /// becomes the value at the k-th position it returned.
    void reordena(std::vector<std::uint32_t>& valores);

    /// The key's bits as an unsigned number that orders as the comparison above does.
    static std::uint64_t monotona(double chave);

private:
    std::span<const std::uint32_t> ordena_chaves();

    std::vector<std::uint64_t> chaves_, chaves_troca_;
    std::vector<std::uint32_t> posicoes_, posicoes_troca_;
};

} // namespace quindra
