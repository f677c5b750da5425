// How much memory one loaded mesh may take: a file must not make the program grow until the
// system kills it, so a mesh that could not be drawn within a share of the memory is refused
// before it is built.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>

#include "scene/triangulo.hpp"

namespace quindra {

// Bytes per point: the point as loaded, and what a Draw's view keeps: its camera coordinates,
// vertex normal, colour and pixel (two 64-bit coordinates and a flag), and the ray tracer's
// float copy (padded to 16 bytes).
inline constexpr std::size_t CUSTO_POR_PONTO =
    2 * sizeof(Ponto) + sizeof(Vetor) + sizeof(Cor) + 3 * sizeof(std::int64_t) + 16;
// Bytes per triangle: the triangle as loaded; the view's order, normal and depth key; the radix
// sort's keys and positions (twice each); the ray tracer's indices and the structure it builds
// over them (at most about 110 bytes a triangle while it builds).
inline constexpr std::size_t CUSTO_POR_TRIANGULO =
    sizeof(Triangulo) + sizeof(std::uint32_t) + sizeof(Vetor) + sizeof(double) +
    2 * (sizeof(std::uint64_t) + sizeof(std::uint32_t)) + 3 * sizeof(std::uint32_t) + 110;

/// The bytes a mesh of this many points and triangles takes once loaded and drawn; saturates
/// instead of overflowing.
constexpr std::size_t custo_da_malha(std::size_t pontos, std::size_t triangulos) {
    constexpr std::size_t MAXIMO = std::numeric_limits<std::size_t>::max();
    if (pontos > MAXIMO / CUSTO_POR_PONTO || triangulos > MAXIMO / CUSTO_POR_TRIANGULO)
        return MAXIMO;
    const std::size_t a = pontos * CUSTO_POR_PONTO, b = triangulos * CUSTO_POR_TRIANGULO;
    return a > MAXIMO - b ? MAXIMO : a + b;
}

/// The bytes every load may spend on its mesh: half the physical memory, and no more than half
/// the address-space limit when one is set. Read from the system once.
std::size_t orcamento_de_carga();

} // namespace quindra
