// Formats read through Assimp, for which we have no reader of our own: glTF and GLB.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "scene/malha_lida.hpp"

namespace quindra {

/// Whether files of this extension (lower case, with its dot) are read through Assimp.
bool importa_com_assimp(std::string_view extensao);

/// Reads the file, and the files it refers to, through Assimp into lida: every triangle of every
/// mesh, placed where its node puts it, with equal points merged. Returns 45 blanks or the
/// failure's message.
std::string le_com_assimp(const std::filesystem::path& arquivo, MalhaLida& lida);

} // namespace quindra
