// The painter's walk by bands of rows: the far-to-near order kept on every core.
#pragma once

#include <optional>

#include "render/lista_em_lotes.hpp"
#include "render/pintor.hpp"

namespace quindra {

/// The painter's walk, from the last triangle of the list to the first: prepara(triangle,
/// positions, parts) sets each one up, positions pointing to its points' projected positions
/// when it is drawn whole and null when the focal plane may cut it; then the bands paint the
/// items, the later item on top wherever two overlap. Item gives the lines it may paint and paints
/// them: primeira_linha(), ultima_linha(), pinta(tela, faixa). Returns the last item set up, if any
/// (whose colours the pen and brush of the painter keep).
template <class Item, class Prepara>
std::optional<Item> pinta_do_fundo(Bitmap& tela, Malha& malha, Prepara&& prepara) {
    return percorre_em_lotes<Item>(
        malha, Sentido::DoUltimo,
        [&](Triangulo& t, const VerticesTela& vertices, PartesTriangulo<Item>& partes) {
            prepara(t, &vertices, partes);
        },
        [&](Triangulo& t, bool inteiro, PartesTriangulo<Item>& partes) {
            if (!inteiro) prepara(t, nullptr, partes);
        },
        [&](const Item& item, const FaixaLinhas& faixa) { item.pinta(tela, faixa); });
}

} // namespace quindra
