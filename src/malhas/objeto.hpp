// The object file: counts, points and triangles, loaded into a mesh all or nothing.
#pragma once

#include <filesystem>
#include <string>

#include "geometry/leitor_texto.hpp"
#include "malhas/mensagens_carga.hpp"
#include "scene/triangulo.hpp"

namespace quindra {

/// Loads the object file into the mesh and returns the message for the window: 45 blanks on
/// success, otherwise the first failure's text, with the mesh left exactly as it was.
/// World z is scaled by the mesh's FatorDilatacaoZ as it is read.
std::string carrega_objeto(Malha& malha, const std::filesystem::path& arquivo);

/// The same from an open reader (a file, or bytes in memory).
std::string carrega_objeto(Malha& malha, LeitorTexto& leitor);

} // namespace quindra
