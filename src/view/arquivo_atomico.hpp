// Replacing a file all at once, so that a crash or a full disk never leaves half of it.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace quindra {

/// The file a path finally names once its symbolic links are followed (it need not exist
/// yet); none for a loop of links.
std::optional<std::filesystem::path> destino_final(const std::filesystem::path& caminho);

/// Writes the bytes to a new file in the destination's folder and renames it over the
/// destination only once it is complete. A symbolic link is written through, to its target,
/// and a file that existed keeps its permissions. False when anything fails; the old file, if
/// any, is then untouched and no temporary file is left behind.
bool grava_arquivo_atomico(const std::filesystem::path& destino, std::string_view conteudo);

} // namespace quindra
