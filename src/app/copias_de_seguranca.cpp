#include "app/copias_de_seguranca.hpp"

#include <optional>
#include <string>

#include "view/arquivo_atomico.hpp"

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

} // namespace

bool guarda_copia_de_seguranca(const fs::path& arquivo) {
    const std::optional<fs::path> real = destino_final(arquivo);
    if (!real) return false;
    std::error_code erro;
    const fs::file_status estado = fs::symlink_status(*real, erro);
    if (!fs::exists(estado)) return true;
    if (fs::is_directory(estado)) return false;

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
