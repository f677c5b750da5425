// The walk of the triangle list that every filling renderer shares: in batches, the set-up of
// the triangles drawn whole side by side on every core, the rest in list order, then the bands
// of rows filling the batch. Only the renderers' sources include this, so that the parallel
// library stays out of the headers the window sees.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include <tbb/parallel_for.h>

#include "render/lote_faixas.hpp"
#include "render/pixels_pontos.hpp"

namespace quindra {

/// What one triangle leaves for the bands to fill: up to two items (the sub-triangles of a cut
/// one, or one polygon), in the order they are filled.
template <class Item> struct PartesTriangulo {
    std::array<Item, 2> itens;
    int quantas = 0;

    void adiciona(const Item& item) {
        proximo() = item;
        mantem();
    }
    /// The slot of the next item, to set it up in place; mantem() keeps it.
    Item& proximo() { return itens[static_cast<std::size_t>(quantas)]; }
    void mantem() { ++quantas; }
};

enum class Sentido { DoPrimeiro, DoUltimo };

/// Walks the list from its first or from its last triangle in batches. In each batch:
/// - prepara_inteiro(triangle, positions, parts) sets up, side by side on any thread, each
///   triangle drawn whole, with its points' projected positions;
/// - prepara_em_ordem(triangle, whole, parts) then runs for every triangle in walk order: it sets
///   up those the focal plane cuts (a cut that moves a point changes it for the triangles after
///   it) and may finish the others with whatever must follow the list's order;
/// - the bands fill the batch's items, preenche(item, band), each band in walk order, so every
///   pixel sees them in the same order however many threads run.
/// Item gives the lines it may fill: primeira_linha(), ultima_linha(). Returns the last item
/// set up, if any.
template <class Item, class PreparaInteiro, class PreparaEmOrdem, class Preenche>
std::optional<Item> percorre_em_lotes(Malha& malha, Sentido sentido,
                                      PreparaInteiro&& prepara_inteiro,
                                      PreparaEmOrdem&& prepara_em_ordem, Preenche&& preenche) {
    // Enough triangles to keep the bands busy, few enough to stay in the caches.
    constexpr std::size_t LOTE = 2048;
    std::vector<PartesTriangulo<Item>> partes(LOTE);
    std::vector<char> inteiros(LOTE);
    LoteFaixas<Item> lote;
    std::optional<Item> ultimo;
    auto& lista = malha.Triangulos;
    for (std::size_t feitos = 0; feitos < lista.size();) {
        const std::size_t quantos = std::min(lista.size() - feitos, LOTE);
        const auto triangulo = [&](std::size_t j) -> Triangulo& {
            const std::size_t passo = feitos + j;
            return lista[sentido == Sentido::DoPrimeiro ? passo : lista.size() - 1 - passo];
        };
        tbb::parallel_for(std::size_t{0}, quantos, [&](std::size_t j) {
            partes[j].quantas = 0;
            const auto vertices = vertices_alem(malha, triangulo(j));
            inteiros[j] = vertices.has_value();
            if (vertices) prepara_inteiro(triangulo(j), *vertices, partes[j]);
        });
        const PartesTriangulo<Item>* ultimas = nullptr;
        for (std::size_t j = 0; j < quantos; ++j) {
            prepara_em_ordem(triangulo(j), inteiros[j] != 0, partes[j]);
            for (int k = 0; k < partes[j].quantas; ++k) {
                const Item& item = partes[j].itens[static_cast<std::size_t>(k)];
                lote.adiciona(item, item.primeira_linha(), item.ultima_linha());
                ultimas = &partes[j];
            }
        }
        if (ultimas) ultimo = ultimas->itens[static_cast<std::size_t>(ultimas->quantas - 1)];
        lote.esvazia(preenche);
        feitos += quantos;
    }
    return ultimo;
}

} // namespace quindra
