// glTF 2.0 files, JSON (.gltf) or binary (.glb): every triangle of every mesh the scene draws,
// placed by its node, with equal points merged. Every length, offset and index the file gives
// is checked against the bytes it has before anything is read or allocated by it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "malhas/malha_lida.hpp"

namespace quindra {

/// Reads a glTF or GLB file's bytes into lida, its buffers being the GLB binary chunk or data:
/// URIs; a buffer in another file is refused. Returns 45 blanks or the failure's message.
std::string le_gltf(std::string_view bytes, MalhaLida& lida);

/// The same, and a buffer named by a relative URI is read from pasta, the file's folder.
std::string le_gltf(std::string_view bytes, const std::filesystem::path& pasta, MalhaLida& lida);

} // namespace quindra
