#include "malhas/arquivo_em_memoria.hpp"

#include <cstdio>

#include "geometry/paginas_grandes.hpp"
#include "malhas/mensagens_carga.hpp"

namespace quindra {

namespace {
struct FechaArquivo {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
} // namespace

const std::string* recusa_arquivo(const std::filesystem::path& caminho, std::uintmax_t limite,
                                  std::uintmax_t& tamanho) {
    std::error_code erro;
    // Only regular files: a device such as /dev/zero would never end.
    if (!std::filesystem::is_regular_file(caminho, erro)) return &ERRO_ABERTURA_ARQUIVO;
    tamanho = std::filesystem::file_size(caminho, erro);
    if (erro) return &ERRO_ABERTURA_ARQUIVO;
    return tamanho > limite ? &ARQUIVO_GRANDE_DEMAIS : nullptr;
}

ArquivoEmMemoria::ArquivoEmMemoria(const std::filesystem::path& caminho)
    : mensagem_(ERRO_ABERTURA_ARQUIVO) {
    std::uintmax_t tamanho = 0;
    if (const std::string* recusa = recusa_arquivo(caminho, LIMITE_ARQUIVO, tamanho)) {
        mensagem_ = *recusa;
        return;
    }
    const std::unique_ptr<std::FILE, FechaArquivo> arquivo(std::fopen(caminho.c_str(), "rb"));
    if (!arquivo) return;
    tamanho_ = static_cast<std::size_t>(tamanho);
    // left uninitialised: fread writes every byte before anyone reads it
    dados_ = std::make_unique_for_overwrite<char[]>(tamanho_);
    pede_paginas_grandes(dados_.get(), tamanho_);
    // a file that shrank since its size was taken is not what was asked for
    if (std::fread(dados_.get(), 1, tamanho_, arquivo.get()) != tamanho_) {
        dados_.reset();
        tamanho_ = 0;
        return;
    }
    mensagem_ = MENSAGEM_SUCESSO_OBJETO;
}

} // namespace quindra
