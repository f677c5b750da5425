// A mesh as a file reader builds it, and the one way it replaces the loaded mesh.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "malhas/orcamento_carga.hpp"
#include "scene/triangulo.hpp"

namespace quindra {

// The most points, and the most triangles, one load may make: about 1.6 GB for each list, far
// more than a frame can show, and a hard stop for a small file that would expand beyond memory.
inline constexpr std::size_t LIMITE_ELEMENTOS = std::size_t{1} << 25;
// The most corners of one polygon: more would fan into more than LIMITE_ELEMENTOS triangles.
inline constexpr std::size_t MAIOR_POLIGONO = LIMITE_ELEMENTOS + 2;

/// Points in world coordinates as the file gives them, and triangles of 1-based point numbers
/// in the file's order.
struct MalhaLida {
    ListaDePontos pontos;
    std::vector<Triangulo> triangulos;
    // The bytes the mesh may cost once drawn (custo_da_malha); a test may lower it.
    std::size_t orcamento = orcamento_de_carga();

    /// Whether a mesh of this many points and triangles stays within LIMITE_ELEMENTOS of each
    /// and within the budget.
    bool cabe(std::size_t num_pontos, std::size_t num_triangulos) const {
        return num_pontos <= LIMITE_ELEMENTOS && num_triangulos <= LIMITE_ELEMENTOS &&
               custo_da_malha(num_pontos, num_triangulos) <= orcamento;
    }

    /// Room for this many more points and triangles, which the caller has bounded by the size
    /// of the file, in large pages where the system has them; never more than the budget holds.
    void reserva(std::size_t mais_pontos, std::size_t mais_triangulos);

    /// Appends a point; false when it would not fit (cabe).
    bool acrescenta_ponto(double x, double y, double z) {
        if (!cabe(pontos.size() + 1, triangulos.size())) return false;
        pontos.emplace_back(x, y, z);
        return true;
    }
    /// Appends a triangle of 1-based point numbers; false when it would not fit (cabe).
    bool acrescenta_triangulo(std::int32_t v1, std::int32_t v2, std::int32_t v3) {
        if (!cabe(pontos.size(), triangulos.size() + 1)) return false;
        triangulos.emplace_back(v1, v2, v3);
        return true;
    }
    /// Fans a polygon of three or more 1-based point numbers into the triangles (v1, vi, vi+1),
    /// which keep its orientation; false when they would not fit (cabe).
    bool acrescenta_poligono(std::span<const std::int32_t> vertices);
};

/// Replaces the mesh with what was read and returns 45 blanks, or leaves the mesh untouched and
/// returns the failure: fewer than three points or no triangle, a mesh beyond the budget, a point
/// number out of range.
/// World z is scaled by the mesh's FatorDilatacaoZ, the triangles are numbered in groups of four
/// consecutive ones, and the centre is the mean of the points.
std::string instala_malha(Malha& malha, MalhaLida&& lida);

} // namespace quindra
