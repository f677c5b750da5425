// Items set up one by one in list order, then filled by bands of rows side by side on every
// core. Each band walks the items in the order they were added and writes only its own rows,
// so every pixel sees the same items in the same order as a single walk of the list would: the
// frame cannot depend on how many threads there are.
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
    static constexpr std::int64_t LINHAS_POR_FAIXA = 25;
    static constexpr std::size_t FAIXAS = (ULTIMA_LINHA + LINHAS_POR_FAIXA) / LINHAS_POR_FAIXA;

    /// Adds an item that paints at most lines primeira..ultima (rows or heights, as the renderer
    /// counts them), which may reach beyond the frame; one that misses the frame is dropped.
    /// The item stays where it is until esvazia: the bands keep only its address.
    void adiciona(const Item& item, std::int64_t primeira, std::int64_t ultima) {
        primeira = std::max<std::int64_t>(primeira, 0);
        ultima = std::min(ultima, ULTIMA_LINHA);
        if (primeira > ultima) return;
        for (auto f = static_cast<std::size_t>(primeira / LINHAS_POR_FAIXA);
             f <= static_cast<std::size_t>(ultima / LINHAS_POR_FAIXA); ++f)
            faixas_[f].push_back(&item);
        vazio_ = false;
    }

    /// Calls preenche(item, faixa) for every band an item reaches, the bands in parallel, each
    /// in the order the items were added; then empties the batch.
    template <class Preenche> void esvazia(Preenche&& preenche) {
        if (vazio_) return;
        tbb::parallel_for(std::size_t{0}, FAIXAS, [&](std::size_t f) {
            const auto primeira = static_cast<std::int64_t>(f) * LINHAS_POR_FAIXA;
            const FaixaLinhas faixa{primeira,
                                    std::min(primeira + LINHAS_POR_FAIXA - 1, ULTIMA_LINHA)};
            for (const Item* item : faixas_[f]) preenche(*item, faixa);
        });
        for (auto& faixa : faixas_) faixa.clear();
        vazio_ = true;
    }

private:
    std::array<std::vector<const Item*>, FAIXAS> faixas_;
    bool vazio_ = true;
};

} // namespace quindra
