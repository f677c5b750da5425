// Writes a torus object file, for the benchmarks: a concave object that shadows and mirrors
// itself.
#pragma once

#include <filesystem>

namespace quindra::bench {

/// Writes a torus of about the asked number of triangles (ring of radius 35 about the z axis,
/// tube of radius 15) and returns the number written.
long escreve_toro(const std::filesystem::path& arquivo, long triangulos);

} // namespace quindra::bench
