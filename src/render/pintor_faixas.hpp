// The painter's walk by bands of rows: the far-to-near order kept on every core. Only the
// renderers' sources include this, so that the parallel library stays out of the headers the
// window sees.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include <tbb/parallel_for.h>

#include "render/lote_faixas.hpp"
#include "render/pintor.hpp"
#include "render/pixels_pontos.hpp"

namespace quindra {

/// What one triangle leaves for the bands to paint: up to two items (sub-triangles or one
/// polygon), in the order they are painted.
template <class Item> struct PartesTriangulo {
    std::array<Item, 2> itens;
    int quantas = 0;

    void adiciona(const Item& item) { itens[static_cast<std::size_t>(quantas++)] = item; }
};

/// The painter's walk, from the last triangle of the list to the first, in batches: prepara
/// (triangle, parts) sets each triangle up, then the bands paint the batch's items, each band
/// in walk order, so the later item is on top wherever two overlap, however many threads run.
/// A triangle whose points a cut may move is set up alone, in walk order (a cut that moves a
/// point changes it for the triangles after it); the others, whose cut moves nothing, side by
/// side. Item gives the lines it may paint and paints them: primeira_linha(), ultima_linha(),
/// pinta(tela, faixa). Returns the last item set up, if any (whose colours the pen and brush
/// of the painter keep).
template <class Item, class Prepara>
std::optional<Item> pinta_do_fundo(Bitmap& tela, Malha& malha, Prepara&& prepara) {
    constexpr std::size_t LOTE = LoteFaixas<Item>::CAPACIDADE / 2;
    std::vector<PartesTriangulo<Item>> partes(LOTE);
    LoteFaixas<Item> lote;
    std::optional<Item> ultimo;
    const auto& lista = malha.Triangulos;
    for (std::size_t fim = lista.size(); fim > 0;) {
        const std::size_t quantos = std::min(fim, LOTE);
        // Walk position j of this batch is list position fim - 1 - j.
        const auto triangulo = [&](std::size_t j) -> Triangulo& {
            return malha.Triangulos[fim - 1 - j];
        };
        for (std::size_t j = 0; j < quantos; ++j) {
            partes[j].quantas = 0;
            if (!vertices_alem(malha, triangulo(j))) prepara(triangulo(j), partes[j]);
        }
        tbb::parallel_for(std::size_t{0}, quantos, [&](std::size_t j) {
            if (vertices_alem(malha, triangulo(j))) prepara(triangulo(j), partes[j]);
        });
        for (std::size_t j = 0; j < quantos; ++j)
            for (int k = 0; k < partes[j].quantas; ++k) {
                const Item& item = partes[j].itens[static_cast<std::size_t>(k)];
                lote.adiciona(item, item.primeira_linha(), item.ultima_linha());
                ultimo = item;
            }
        lote.esvazia([&](const Item& item, const FaixaLinhas& faixa) { item.pinta(tela, faixa); });
        fim -= quantos;
    }
    return ultimo;
}

} // namespace quindra
