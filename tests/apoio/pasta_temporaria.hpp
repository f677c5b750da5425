// A fresh folder per test, removed afterwards, with a helper to write files into it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quindra::teste {

/// The bytes of a file; empty when it cannot be read.
std::string conteudo(const std::filesystem::path& arquivo);

class PastaTemporaria {
public:
    PastaTemporaria();
    ~PastaTemporaria();
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;

    const std::filesystem::path& caminho() const { return caminho_; }
    /// Writes the bytes exactly as given and returns the file's path.
    std::filesystem::path escreve(std::string_view nome, std::string_view conteudo) const;

private:
    std::filesystem::path caminho_;
};

} // namespace quindra::teste
