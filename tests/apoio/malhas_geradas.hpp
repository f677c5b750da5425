// Larger objects written on the fly for the whole-frame tests: a fine sphere whose triangles are
// about a pixel at the default camera (many equal depth keys, by its symmetry) and a rugged
// terrain in the x-y plane that a camera at the origin sees cut by the focal plane.
#pragma once

#include <filesystem>

#include "scene/triangulo.hpp"

namespace quindra::teste {

/// A UV sphere about the origin with 19,800 triangles, in world coordinates.
Malha esfera_fina(double raio);

/// The sphere of radius 50 as an object file.
void escreve_esfera_fina(const std::filesystem::path& arquivo);

/// A 100 x 100 height field over x, y in -80..80 (19,602 triangles): a saddle within +-14 plus
/// +-5 of noise from a fixed integer sequence, so that the file is the same on every machine.
void escreve_terreno(const std::filesystem::path& arquivo);

} // namespace quindra::teste
