#include "apoio/pasta_temporaria.hpp"

#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace quindra::teste {

std::string conteudo(const std::filesystem::path& arquivo) {
    std::ifstream entrada(arquivo, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), {}};
}

PastaTemporaria::PastaTemporaria() {
    std::random_device aleatorio;
    caminho_ = std::filesystem::temp_directory_path() /
               ("quindra-teste-" + std::to_string(aleatorio()) + std::to_string(aleatorio()));
    std::filesystem::create_directories(caminho_);
}

PastaTemporaria::~PastaTemporaria() {
    std::error_code ignorado;
    std::filesystem::remove_all(caminho_, ignorado);
}

std::filesystem::path PastaTemporaria::escreve(std::string_view nome,
                                               std::string_view conteudo) const {
    const auto arquivo = caminho_ / nome;
    std::ofstream(arquivo, std::ios::binary)
        .write(conteudo.data(), static_cast<std::streamsize>(conteudo.size()));
    return arquivo;
}

} // namespace quindra::teste
