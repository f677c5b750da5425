// The triangle mesh and what the renderers derive from it: normals, depth keys, their order.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "geometry/instrumental_basico.hpp"
#include "scene/ordem_radix.hpp"

namespace quindra {

using ListaDePontos = std::vector<Ponto>;

struct Triangulo {
    // 1-based point numbers, as written in the object file.
    std::int32_t vertice1 = 0, vertice2 = 0, vertice3 = 0;
    // The group of four consecutive triangles of the file this one belongs to (1-based).
    std::int32_t tetraedro = 0;
    // Squared distance of the centroid from the camera: the painter's depth key.
    double distancia = 0;
    // Unit normal in camera space, (P3 - P1) x (P2 - P1).
    Vetor normal;

    Triangulo() = default;
    Triangulo(std::int32_t a, std::int32_t b, std::int32_t c)
        : vertice1(a), vertice2(b), vertice3(c) {}

    void atribui(std::int32_t a, std::int32_t b, std::int32_t c) {
        vertice1 = a, vertice2 = b, vertice3 = c;
    }
    /// Positions in a 0-based point list of the three vertices (their numbers must be >= 1).
    std::array<std::size_t, 3> indices() const {
        assert(vertice1 >= 1 && vertice2 >= 1 && vertice3 >= 1);
        return {static_cast<std::size_t>(vertice1 - 1), static_cast<std::size_t>(vertice2 - 1),
                static_cast<std::size_t>(vertice3 - 1)};
    }
    /// The normal from the camera coordinates of the vertices; trabalho is overwritten.
    void calcula_normal(const ListaDePontos& pontos, Vetor& trabalho);
};

struct Malha {
    ListaDePontos Pontos;
    std::vector<Triangulo> Triangulos;
    std::vector<Vetor> NormaisVertices;
    std::vector<Cor> CoresVertices;
    std::optional<Ponto> CentroObjeto;
    double FatorDilatacaoZ = 1.0;

    /// A point's pixel in the current Draw, column from the left and height from the bottom;
    /// meaningful only when alem: the point lies beyond the focal plane by more than the cut's
    /// tolerance, so no cut ever moves it.
    struct PixelPonto {
        std::int64_t x = 0, y = 0;
        bool alem = false;
    };
    /// Working space of the renderers, kept so that a Draw allocates nothing once it has grown:
    /// the painter's sort, and one pixel per point.
    struct Trabalho {
        OrdemRadix radix;
        std::vector<Triangulo> troca;
        std::vector<PixelPonto> pixels;
    } trabalho;

    // The loader refuses counts beyond the int32 range, so the narrowing never loses.
    std::int32_t NumPontos() const { return static_cast<std::int32_t>(Pontos.size()); }
    std::int32_t NumTriangulos() const { return static_cast<std::int32_t>(Triangulos.size()); }
};

/// Empties the mesh: points, triangles, vertex normals and colours.
void libera_malha(Malha& malha);
/// One null vertex normal per point.
void cria_normais_vertices(Malha& malha);
/// Each vertex normal := the normalised sum of the normals of the triangles that use it.
void calcula_normais_vertices(Malha& malha);
/// Every triangle's depth key for the current camera coordinates.
void calcula_distancias(Malha& malha);
/// -1, 0 or 1 as a's depth key is below, equal to or above b's.
int compara_distancias(const Triangulo& a, const Triangulo& b);
/// Sorts the triangles nearest first; equal keys keep their order, so frames are reproducible.
void ordena_triangulos(Malha& malha);

} // namespace quindra
