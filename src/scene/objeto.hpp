// The object file: counts, points and triangles, loaded into a mesh all or nothing.
#pragma once

#include <filesystem>
#include <string>

#include "geometry/leitor_texto.hpp"
#include "scene/triangulo.hpp"

namespace quindra {

inline const std::string MENSAGEM_SUCESSO_OBJETO(45, ' ');
inline const std::string ERRO_ABERTURA_ARQUIVO = "Erro na Abertura do Arquivo";
inline const std::string ARQUIVO_COM_PROBLEMAS = "Arquivo com problemas.";
inline const std::string OBJETO_SEM_FACES = "Objeto sem faces para serem mostradas.";
inline const std::string INCONSISTENCIAS_PONTOS = "Arquivo com inconsistências nos pontos.";
inline const std::string INCONSISTENCIAS_TRIANGULOS = "Arquivo com inconsistências nos triângulos.";

/// Loads the object file into the mesh and returns the message for the window: 45 blanks on
/// success, otherwise the first failure's text, with the mesh left exactly as it was.
/// World z is scaled by the mesh's FatorDilatacaoZ as it is read.
std::string carrega_objeto(Malha& malha, const std::filesystem::path& arquivo);

/// The same from an open reader (a file, or bytes in memory).
std::string carrega_objeto(Malha& malha, LeitorTexto& leitor);

} // namespace quindra
