#include "app/copias_de_seguranca.hpp"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "imagens/arquivo_atomico.hpp"

namespace quindra {

namespace fs = std::filesystem;

namespace {

// NAME.bak for copy 0, NAME.bak.i for the older ones.
fs::path nome_da_copia(const fs::path& arquivo, int i) {
    fs::path copia = arquivo;
    copia += ".bak";
    if (i > 0) copia += "." + std::to_string(i);
    return copia;
}

bool existe(const fs::path& caminho) {
    std::error_code erro;
    return fs::exists(fs::symlink_status(caminho, erro));
}

// Byte for byte; a file that cannot be read is never taken for the same.
bool mesmo_conteudo(const fs::path& a, const fs::path& b) {
    std::error_code erro;
    if (!fs::is_regular_file(b, erro) || fs::file_size(a, erro) != fs::file_size(b, erro) || erro)
        return false;
    std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
    if (!fa || !fb) return false;
    return std::equal(std::istreambuf_iterator<char>(fa), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(fb), std::istreambuf_iterator<char>());
}

} // namespace

bool guarda_copia_de_seguranca(const fs::path& arquivo) {
    const std::optional<fs::path> real = destino_final(arquivo);
    if (!real) return false;
    std::error_code erro;
    const fs::file_status estado = fs::symlink_status(*real, erro);
    if (!fs::exists(estado)) return true;
    if (!fs::is_regular_file(estado)) return false;
    if (mesmo_conteudo(*real, nome_da_copia(*real, 0))) return true;

    // The first free number; the copies below it move up by one to free copy 0.
    int livre = 0;
    while (livre < COPIAS_GUARDADAS - 1 && existe(nome_da_copia(*real, livre))) ++livre;
    if (existe(nome_da_copia(*real, livre))) {
        fs::remove(nome_da_copia(*real, livre), erro);
        if (erro) return false;
    }
    for (int i = livre; i > 0; --i) {
        fs::rename(nome_da_copia(*real, i - 1), nome_da_copia(*real, i), erro);
        if (erro) return false;
    }
    fs::rename(*real, nome_da_copia(*real, 0), erro);
    // A file that vanished meanwhile has nothing left to keep.
    return !erro || !existe(*real);
}

} // namespace quindra
