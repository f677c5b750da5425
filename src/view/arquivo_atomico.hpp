// Replacing a file all at once, so that a crash or a full disk never leaves half of it.
#pragma once

#include <filesystem>
#include <string_view>

namespace quindra {

/// Writes the bytes to a new file in the destination's folder and renames it over the
/// destination only once it is complete. False when anything fails; the old file, if any, is
/// then untouched and no temporary file is left behind.
bool grava_arquivo_atomico(const std::filesystem::path& destino, std::string_view conteudo);

} // namespace quindra
