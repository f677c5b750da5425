// Writing a file the user named: a regular file is replaced all at once, so that a crash or a
// full disk never leaves half of it; anything else in its place is never replaced.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace quindra {

/// The file a path finally names once its symbolic links are followed (it need not exist
/// yet); none for a loop of links.
std::optional<std::filesystem::path> destino_final(const std::filesystem::path& caminho);

/// True for an existing regular file (through its links) that this process may not write: no
/// write permission for it, or no write bit at all (a file its owner made read-only stays so
/// even for root).
bool somente_leitura(const std::filesystem::path& arquivo);

/// Writes the bytes to a new file in the destination's folder and renames it over the
/// destination only once it is complete. A symbolic link is written through, to its target,
/// and a file that existed keeps its permissions. A device, a FIFO or a socket in the
/// destination's place (directly or through links) is written in place instead, never
/// replaced; a FIFO nobody reads fails at once rather than wait. False when anything fails,
/// when the destination is a folder or somente_leitura; the old file, if any, is then untouched
/// and no temporary file is left behind.
bool grava_arquivo_atomico(const std::filesystem::path& destino, std::string_view conteudo);

/// The prefix of the temporary files grava_arquivo_atomico makes beside NAME: NAME.tmp, then
/// digits.
inline constexpr std::string_view SUFIXO_TEMPORARIO = ".tmp";

} // namespace quindra
