// Loading an object in whatever format its file's extension names.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "malhas/malha_lida.hpp"

namespace quindra {

/// A reader of our own: parses a whole file's bytes into lida and returns 45 blanks or the
/// failure's message.
using LeitorDeMalha = std::string (*)(std::string_view bytes, MalhaLida& lida);
/// A reader of a format whose files name other files, which it reads from pasta, the folder of
/// the file whose bytes it parses.
using LeitorComPasta = std::string (*)(std::string_view bytes, const std::filesystem::path& pasta,
                                       MalhaLida& lida);

/// Loads the object with the reader its extension names (".stl", ".ply", ".off", ".obj", ".gltf",
/// ".glb"); any other name is an object file, read by carrega_objeto. The mesh is replaced whole or
/// left untouched; returns 45 blanks or the failure's message ("Arquivo grande demais para ser
/// carregado." when memory runs out).
std::string carrega_malha(Malha& malha, const std::filesystem::path& arquivo);

} // namespace quindra
