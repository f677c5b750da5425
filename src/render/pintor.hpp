// What the painter's renderers share: the far-to-near order and the part of each triangle that
// lies beyond the focal plane.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include <tbb/parallel_for.h>

#include "render/lote_faixas.hpp"
#include "render/pixels_pontos.hpp"
#include "scene/camera.hpp"
#include "scene/triangulo.hpp"
#include "view/tela.hpp"

namespace quindra {

/// Depth keys for the current camera, then the list sorted nearest first.
void ordena_para_pintor(Malha& malha);

/// Up to four camera-space vertices (xv, yv, zv) of a polygon to paint.
struct PoligonoVisivel {
    std::array<Ponto, 4> vertices;
    int quantos = 0;

    std::span<const Ponto> pontos() const {
        return {vertices.data(), static_cast<std::size_t>(quantos)};
    }
};

/// The part of the triangle beyond the plane zv = d: the whole triangle, a triangle or a
/// quadrilateral with its crossing points on the plane, in boundary order; nothing when the
/// triangle is wholly nearer. May push a vertex lying on the plane slightly nearer.
PoligonoVisivel poligono_visivel(const Triangulo& triangulo, ListaDePontos& pontos, double d);

/// A polygon's pixels and colours, ready for the bands to paint.
struct PoligonoTela {
    std::array<PontoPixel, 4> pixels;
    int quantos = 0;
    CorPixel pincel, caneta;

    /// Fills it with pincel and outlines it with caneta, in the rows of the band.
    void pinta(Bitmap& tela, const FaixaLinhas& linhas = {}) const {
        tela.pinta_poligono({pixels.data(), static_cast<std::size_t>(quantos)}, pincel, caneta,
                            linhas);
    }
    std::int64_t primeira_linha() const;
    std::int64_t ultima_linha() const;
};

/// The polygon's pixels, with the colours it is to be painted in.
PoligonoTela projeta_poligono(const Camera& camera, const PoligonoVisivel& poligono,
                              CorPixel pincel, CorPixel caneta);

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
