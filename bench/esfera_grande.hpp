// A UV sphere of about the asked number of triangles, written in each format we read, for the
// benchmarks.
#pragma once

#include <array>
#include <filesystem>
#include <vector>

namespace quindra::bench {

/// Radius 50, poles on y; triangles of 1-based point numbers, wound counter-clockwise seen
/// from outside.
struct Esfera {
    std::vector<std::array<double, 3>> pontos;
    std::vector<std::array<long, 3>> triangulos;
};
Esfera gera_esfera(long triangulos);

/// Writes the sphere as an object file and returns the number of triangles written.
long escreve_esfera(const std::filesystem::path& arquivo, long triangulos);

/// Writes the sphere as a binary STL (every corner repeated), a binary little-endian PLY or an
/// OBJ, as the file's extension says.
void escreve_esfera_em(const std::filesystem::path& arquivo, const Esfera& esfera);

} // namespace quindra::bench
