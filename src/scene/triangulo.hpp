// The triangle mesh as the loader gave it: world points, triangles in file order, the centre.
// Nothing a Draw computes lives here; that is the view's (render/vista).
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "geometry/instrumental_basico.hpp"

namespace quindra {

using ListaDePontos = std::vector<Ponto>;

struct Triangulo {
    // 1-based point numbers, as written in the object file.
    std::int32_t vertice1 = 0, vertice2 = 0, vertice3 = 0;
    // The group of four consecutive triangles of the file this one belongs to (1-based).
    std::int32_t tetraedro = 0;

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
};

struct Malha {
    /// World coordinates (x, y, z) of each point.
    ListaDePontos Pontos;
    std::vector<Triangulo> Triangulos;
    std::optional<Ponto> CentroObjeto;
    double FatorDilatacaoZ = 1.0;

    // The loader refuses counts beyond the int32 range, so the narrowing never loses.
    std::int32_t NumPontos() const { return static_cast<std::int32_t>(Pontos.size()); }
    std::int32_t NumTriangulos() const { return static_cast<std::int32_t>(Triangulos.size()); }
};

/// Empties the mesh: points and triangles.
void libera_malha(Malha& malha);

/// True when every triangle names points 1..NumPontos, so that whatever is kept per point can
/// be indexed by them. The loader only makes such meshes; anything else is drawn as an empty
/// frame.
bool malha_desenhavel(const Malha& malha);

} // namespace quindra
