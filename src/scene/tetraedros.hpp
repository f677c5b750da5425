// The tetrahedron table: a colour and an enabled flag for each group of four triangles.
#pragma once

#include <array>
#include <cstdint>

#include "geometry/instrumental_basico.hpp"

namespace quindra {

inline constexpr int NUM_TETRAEDROS = 80;

struct EntradaTetraedro {
    Cor cor{128, 128, 128};
    bool habilitado = true;
};

/// Entry t - 1 belongs to tetrahedron number t (1..80).
using TabelaDeTetraedros = std::array<EntradaTetraedro, NUM_TETRAEDROS>;

/// The entry of tetrahedron number t, or none when the table has no such entry.
inline const EntradaTetraedro* entrada_tetraedro(const TabelaDeTetraedros& tabela, std::int32_t t) {
    return t >= 1 && t <= NUM_TETRAEDROS ? &tabela[static_cast<std::size_t>(t - 1)] : nullptr;
}

} // namespace quindra
