// Writes a UV sphere object file of about the asked number of triangles, for the benchmarks.
#pragma once

#include <filesystem>

namespace quindra::bench {

/// Writes the sphere (radius 50, poles on y) and returns the number of triangles written.
long escreve_esfera(const std::filesystem::path& arquivo, long triangulos);

} // namespace quindra::bench
