// Triangles set up one by one in list order, then filled by bands of rows side by side on every
// core. Each band walks the triangles in the order they were added and writes only its own rows,
// so every pixel sees the same triangles in the same order as a single walk of the list would:
// the frame cannot depend on how many threads there are.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include <tbb/parallel_for.h>

#include "render/varredura.hpp"

namespace quindra {

template <class Item> class LoteFaixas {
public:
    /// Enough triangles to keep the bands busy, few enough to stay in the caches.
    static constexpr std::size_t CAPACIDADE = 4096;
    static constexpr std::int64_t ALTURA_FAIXA = 25;
    static constexpr std::size_t FAIXAS = (ULTIMA_LINHA + ALTURA_FAIXA) / ALTURA_FAIXA;

    LoteFaixas() { itens_.reserve(CAPACIDADE); }

    /// Adds an item whose scan walk spans heights base..topo, which may reach beyond the frame.
    void adiciona(const Item& item, std::int64_t base, std::int64_t topo) {
        base = std::max<std::int64_t>(base, 0);
        topo = std::min(topo, ULTIMA_LINHA);
        if (base > topo) return;
        const auto indice = static_cast<std::uint32_t>(itens_.size());
        itens_.push_back(item);
        for (auto f = static_cast<std::size_t>(base / ALTURA_FAIXA);
             f <= static_cast<std::size_t>(topo / ALTURA_FAIXA); ++f)
            faixas_[f].push_back(indice);
    }

    bool cheio() const { return itens_.size() >= CAPACIDADE; }

    /// Calls preenche(item, faixa) for every band an item reaches, the bands in parallel, each
    /// in the order the items were added; then empties the batch.
    template <class Preenche> void esvazia(Preenche&& preenche) {
        if (itens_.empty()) return;
        tbb::parallel_for(std::size_t{0}, FAIXAS, [&](std::size_t f) {
            const auto base = static_cast<std::int64_t>(f) * ALTURA_FAIXA;
            const FaixaAlturas faixa{base, std::min(base + ALTURA_FAIXA - 1, ULTIMA_LINHA)};
            for (std::uint32_t i : faixas_[f]) preenche(itens_[i], faixa);
        });
        itens_.clear();
        for (auto& faixa : faixas_) faixa.clear();
    }

private:
    std::vector<Item> itens_;
    std::array<std::vector<std::uint32_t>, FAIXAS> faixas_;
};

} // namespace quindra
