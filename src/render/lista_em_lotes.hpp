// The walk of the triangle list that every filling renderer shares: in batches, the set-up of
// the triangles drawn whole side by side on every core, the cut of the others at the focal
// plane in list order, then the bands of rows filling the batch. A renderer is what it sets up
// from a whole triangle or from a cut one, and how it fills. Only the renderers' sources
// include this, so that the parallel library stays out of the headers the window sees.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include <tbb/parallel_for.h>

#include "render/desenho.hpp"
#include "render/lote_faixas.hpp"
#include "render/pixels_pontos.hpp"
#include "render/vista.hpp"
#include "view/corte.hpp"

namespace quindra {

/// What one triangle leaves for the bands to fill: up to two items (the sub-triangles of a cut
/// one, or one polygon), in the order they are filled.
template <class Item> struct PartesTriangulo {
    std::array<Item, 2> itens;
    int quantas = 0;
    /// Set up only for the steps that follow the list's order: nothing of it is filled.
    bool so_em_ordem = false;

    void adiciona(const Item& item) {
        proximo() = item;
        mantem();
    }
    /// The slot of the next item, to set it up in place; mantem() keeps it.
    Item& proximo() { return itens[static_cast<std::size_t>(quantas)]; }
    void mantem() { ++quantas; }
};

/// A triangle of the list as the walk hands it to a renderer.
struct TrianguloDaLista {
    /// Its position in Malha::Triangulos.
    std::uint32_t indice = 0;
    /// Its 0-based place in the list's order, and in the view's arrays laid out in that order.
    std::size_t lugar = 0;
    /// Its points' positions in the view's point lists, vertex 1 first.
    std::array<std::size_t, 3> vertices{};
};

enum class Sentido { DoPrimeiro, DoUltimo };

/// Walks the list from its first or from its last triangle in batches, as far as the Draw
/// paints (Desenho::ate). In each batch:
/// - r.inteiro(triangle, positions, parts) sets up, side by side on any thread, each triangle
///   whose three points lie beyond the focal plane, with their projected positions;
/// - in walk order, each other triangle is cut at the focal plane (a cut that pushes a point
///   nearer does so for the triangles after it) and r.cortado(triangle, cut, parts) sets up
///   what lies beyond; a renderer with r.em_ordem(triangle, parts) also gets there, in the same
///   order, each triangle set up whole, for whatever must follow the list's order;
/// - the bands fill the batch's items, r.preenche(item, band), each band in walk order, so every
///   pixel sees them in the same order however many threads run.
/// Renderizador::Item gives the lines it may fill: primeira_linha(), ultima_linha(). Returns the
/// last item set up, if any. The view's list must have been laid out (dispoe_lista) and its
/// points projected (projeta_pontos).
template <class Renderizador>
std::optional<typename Renderizador::Item> percorre_em_lotes(const Desenho& desenho,
                                                             Sentido sentido, Renderizador& r) {
    const Malha& malha = desenho.malha;
    Vista& vista = desenho.vista;
    const double d = desenho.camera.d;
    using Item = typename Renderizador::Item;
    // Enough triangles to keep the bands busy, few enough to stay in the caches.
    constexpr std::size_t LOTE = 8192;
    const auto& lista = vista.lista;
    const std::size_t total = desenho.quantos_pinta(lista.size());
    const std::size_t tamanho = std::min(total, LOTE);
    std::vector<PartesTriangulo<Item>> partes(tamanho);
    std::vector<TrianguloDaLista> triangulos(tamanho);
    std::vector<char> inteiros(tamanho);
    LoteFaixas<Item> lote;
    std::optional<Item> ultimo;
    for (std::size_t feitos = 0; feitos < total;) {
        const std::size_t quantos = std::min(total - feitos, LOTE);
        tbb::parallel_for(std::size_t{0}, quantos, [&](std::size_t j) {
            const std::size_t passo = feitos + j;
            const std::size_t k = sentido == Sentido::DoPrimeiro ? passo : lista.size() - 1 - passo;
            TrianguloDaLista& t = triangulos[j];
            const TrianguloOrdenado& ordenado = lista[k];
            t.indice = ordenado.indice;
            t.lugar = k;
            t.vertices = {ordenado.vertices[0], ordenado.vertices[1], ordenado.vertices[2]};
            partes[j].quantas = 0;
            partes[j].so_em_ordem = false;
            const auto tela = vertices_alem(vista, t.vertices, d);
            inteiros[j] = tela.has_value();
            if (tela) r.inteiro(t, *tela, partes[j]);
        });
        const PartesTriangulo<Item>* ultimas = nullptr;
        for (std::size_t j = 0; j < quantos; ++j) {
            const TrianguloDaLista& t = triangulos[j];
            if (inteiros[j]) {
                if constexpr (requires { r.em_ordem(t, partes[j]); }) r.em_ordem(t, partes[j]);
            } else {
                const CorteTriangulo corte(malha.Triangulos[t.indice], vista.Pontos, d);
                if (corte.quantas_partes() > 0) r.cortado(t, corte, partes[j]);
            }
            if (partes[j].so_em_ordem) continue;
            for (int k = 0; k < partes[j].quantas; ++k) {
                const Item& item = partes[j].itens[static_cast<std::size_t>(k)];
                lote.adiciona(item, item.primeira_linha(), item.ultima_linha());
                ultimas = &partes[j];
            }
        }
        if (ultimas) ultimo = ultimas->itens[static_cast<std::size_t>(ultimas->quantas - 1)];
        lote.esvazia([&r](const Item& item, const FaixaLinhas& faixa) { r.preenche(item, faixa); });
        feitos += quantos;
    }
    return ultimo;
}

} // namespace quindra
