#include "view/arquivo_atomico.hpp"

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace quindra {

namespace {

constexpr int TENTATIVAS_DE_NOME = 16;

// Opens a temporary file beside the destination under a name nobody else holds: "x" refuses an
// existing file, so two windows closing in the same folder never write into one another's file.
std::FILE* cria_temporario(const std::filesystem::path& destino, std::filesystem::path& nome) {
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
    if (std::fflush(arquivo) != 0) return false;
#if __has_include(<unistd.h>)
    return fsync(fileno(arquivo)) == 0;
#else
    return true;
#endif
}

} // namespace

bool grava_arquivo_atomico(const std::filesystem::path& destino, std::string_view conteudo) {
    std::filesystem::path temporario;
    std::FILE* arquivo = cria_temporario(destino, temporario);
    if (!arquivo) return false;
    bool ok = std::fwrite(conteudo.data(), 1, conteudo.size(), arquivo) == conteudo.size();
    ok = descarrega_no_disco(arquivo) && ok;
    // A full disk may show up only when the last buffer is written at close.
    ok = std::fclose(arquivo) == 0 && ok;
    std::error_code erro;
    if (ok) std::filesystem::rename(temporario, destino, erro);
    if (!ok || erro) {
        std::filesystem::remove(temporario, erro);
        return false;
    }
    return true;
}

} // namespace quindra
