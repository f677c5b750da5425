// A stable sort of positions by double keys, in a handful of linear passes instead of a merge
// sort's comparisons. The painter's order of a million triangles is its main use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>
#include <vector>

namespace quindra {

/// Keeps its buffers between calls, so that sorting as many keys again allocates nothing.
class OrdemRadix {
public:
    /// The positions 0..n-1 in ascending order of chave(position): equal keys keep their order,
    /// -0 equals +0, and every NaN comes last, after +infinity. The span lives until the next
    /// call; chave is called from several threads at once.
    template <class Chave> std::span<const std::uint32_t> ordena(std::size_t n, Chave&& chave) {
        using Tipo = std::remove_reference_t<Chave>;
        guarda_chaves(
            n, [](const void* c, std::size_t i) { return (*static_cast<const Tipo*>(c))(i); },
            &chave);
        return ordena_chaves();
    }

    /// Rearranges values, as many as the last call sorted, into the order it found: value k
    /// becomes the value at the k-th position it returned.
    void reordena(std::vector<std::uint32_t>& valores);

    /// The key's bits as an unsigned number that orders as the comparison above does.
    static std::uint64_t monotona(double chave);

private:
    /// The keys chave(contexto, i) for i in 0..n-1, as monotona makes them, on every core.
    void guarda_chaves(std::size_t n, double (*chave)(const void*, std::size_t),
                       const void* contexto);
    /// One pass into buckets by the highest bits in which the keys differ, then each bucket on
    /// its own.
    std::span<const std::uint32_t> ordena_chaves();

    std::vector<std::uint64_t> chaves_, chaves_troca_;
    std::vector<std::uint32_t> posicoes_, posicoes_troca_;
};

} // namespace quindra
