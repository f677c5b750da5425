#include "view/arquivo_atomico.hpp"

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>

#include <unistd.h>

namespace quindra {

namespace fs = std::filesystem;

namespace {

constexpr int TENTATIVAS_DE_NOME = 16;
// As many links as the system itself follows before it gives up on a loop.
constexpr int SALTOS_MAXIMOS = 40;

// Opens a temporary file beside the destination under a name nobody else holds: "x" refuses an
// existing file, so two windows closing in the same folder never write into one another's file.
std::FILE* cria_temporario(const fs::path& destino, fs::path& nome) {
    std::random_device aleatorio;
    for (int tentativa = 0; tentativa < TENTATIVAS_DE_NOME; ++tentativa) {
        nome = destino;
        nome += ".tmp" + std::to_string(aleatorio());
        if (std::FILE* arquivo = std::fopen(nome.c_str(), "wbx")) return arquivo;
        if (errno != EEXIST) break;
    }
    return nullptr;
}

// Everything written reaches the disk before the rename makes it the file, so that even a
// system crash finds the old file or the whole new one.
bool descarrega_no_disco(std::FILE* arquivo) {
    return std::fflush(arquivo) == 0 && fsync(fileno(arquivo)) == 0;
}

// The new file takes the old one's permissions before it holds anything, so that a private
// file is never readable by others, not even for a moment.
bool herda_permissoes(const fs::path& temporario, const fs::path& destino) {
    std::error_code erro;
    const fs::file_status antigo = fs::status(destino, erro);
    if (!fs::exists(antigo)) return true;
    fs::permissions(temporario, antigo.permissions(), erro);
    return !erro;
}

bool grava_temporario(std::FILE* arquivo, const fs::path& temporario, const fs::path& destino,
                      std::string_view conteudo) {
    bool ok = herda_permissoes(temporario, destino);
    ok = ok && std::fwrite(conteudo.data(), 1, conteudo.size(), arquivo) == conteudo.size();
    ok = ok && descarrega_no_disco(arquivo);
    // A full disk may show up only when the last buffer is written at close.
    return std::fclose(arquivo) == 0 && ok;
}

} // namespace

std::optional<fs::path> destino_final(const fs::path& caminho) {
    fs::path atual = caminho;
    for (int saltos = 0; saltos < SALTOS_MAXIMOS; ++saltos) {
        std::error_code erro;
        if (!fs::is_symlink(fs::symlink_status(atual, erro))) return atual;
        const fs::path alvo = fs::read_symlink(atual, erro);
        if (erro) return std::nullopt;
        atual = alvo.is_absolute() ? alvo : atual.parent_path() / alvo;
    }
    return std::nullopt;
}

bool grava_arquivo_atomico(const fs::path& destino, std::string_view conteudo) {
    const std::optional<fs::path> alvo = destino_final(destino);
    if (!alvo) return false;
    fs::path temporario;
    std::FILE* arquivo = cria_temporario(*alvo, temporario);
    if (!arquivo) return false;
    std::error_code erro;
    if (grava_temporario(arquivo, temporario, *alvo, conteudo)) {
        fs::rename(temporario, *alvo, erro);
        if (!erro) return true;
    }
    fs::remove(temporario, erro);
    return false;
}

} // namespace quindra
