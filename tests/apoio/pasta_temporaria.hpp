// A fresh folder per test, removed afterwards, with a helper to write files into it.
#pragma once

#include <filesystem>
#include <string_view>

namespace quindra::teste {

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
