#include "apoio/imagens_recusadas.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

#include "imagens/imagem_arquivo.hpp"

namespace quindra::teste {

std::optional<Bitmap> decodifica(const std::string& arquivo, std::string& erro) {
    return decodifica_imagem(
        {reinterpret_cast<const std::uint8_t*>(arquivo.data()), arquivo.size()}, erro);
}

void confere_recusas(std::span<const ImagemRecusada> casos) {
    const auto inicio = std::chrono::steady_clock::now();
    for (const auto& caso : casos) {
        std::string erro;
        EXPECT_FALSE(decodifica(caso.arquivo, erro)) << caso.nome;
        EXPECT_EQ(erro, caso.motivo) << caso.nome;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(1));
}

} // namespace quindra::teste
