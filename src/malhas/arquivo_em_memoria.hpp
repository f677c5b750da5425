// A whole file read into memory at once, so that a mesh reader parses bytes, not a stream.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace quindra {

// Beyond this a file is refused before anything is allocated for it.
inline constexpr std::uintmax_t LIMITE_ARQUIVO = std::uintmax_t{1} << 30;

/// Null when the path names a regular file of at most limite bytes, whose size goes into
/// tamanho; otherwise "Erro na Abertura do Arquivo" or "Arquivo grande demais para ser
/// carregado.".
const std::string* recusa_arquivo(const std::filesystem::path& caminho, std::uintmax_t limite,
                                  std::uintmax_t& tamanho);

class ArquivoEmMemoria {
public:
    /// Reads a regular file whole; mensagem() tells whether it could.
    explicit ArquivoEmMemoria(const std::filesystem::path& caminho);

    /// 45 blanks when read, otherwise "Erro na Abertura do Arquivo" or, for a file larger than
    /// LIMITE_ARQUIVO, "Arquivo grande demais para ser carregado.".
    const std::string& mensagem() const { return mensagem_; }
    std::string_view bytes() const { return {dados_.get(), tamanho_}; }

private:
    std::unique_ptr<char[]> dados_;
    std::size_t tamanho_ = 0;
    std::string mensagem_;
};

} // namespace quindra
