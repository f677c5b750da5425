#include "imagens/arquivo_atomico.hpp"

#include <cerrno>
#include <cstdio>
#include <random>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
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
        nome += std::string(SUFIXO_TEMPORARIO) + std::to_string(aleatorio());
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

// A device or a FIFO takes the bytes where it is. O_NONBLOCK makes a FIFO nobody reads fail at
// once (ENXIO) instead of waiting for a reader; the writes themselves then block as usual.
bool grava_no_lugar(const fs::path& destino, std::string_view conteudo) {
    const int descritor = ::open(destino.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descritor < 0) return false;
    bool ok = ::fcntl(descritor, F_SETFL, ::fcntl(descritor, F_GETFL) & ~O_NONBLOCK) == 0;
    while (ok && !conteudo.empty()) {
        const ssize_t escritos = ::write(descritor, conteudo.data(), conteudo.size());
        if (escritos < 0 && errno == EINTR) continue;
        ok = escritos > 0;
        if (ok) conteudo.remove_prefix(static_cast<std::size_t>(escritos));
    }
    return ::close(descritor) == 0 && ok;
}

bool somente_leitura(const fs::path& arquivo, const struct stat& estado) {
    constexpr mode_t BITS_DE_ESCRITA = S_IWUSR | S_IWGRP | S_IWOTH;
    return (estado.st_mode & BITS_DE_ESCRITA) == 0 ||
           ::faccessat(AT_FDCWD, arquivo.c_str(), W_OK, AT_EACCESS) != 0;
}

} // namespace

bool somente_leitura(const fs::path& arquivo) {
    struct stat estado {};
    return ::stat(arquivo.c_str(), &estado) == 0 && S_ISREG(estado.st_mode) &&
           somente_leitura(arquivo, estado);
}

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
    // The system follows the links itself, /proc's too (/dev/stdout names a pipe that way).
    struct stat estado {};
    if (::stat(destino.c_str(), &estado) == 0) {
        if (S_ISDIR(estado.st_mode)) return false;
        if (!S_ISREG(estado.st_mode)) return grava_no_lugar(destino, conteudo);
        if (somente_leitura(destino, estado)) return false;
    } else if (errno != ENOENT) {
        return false;
    }
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
