// Arbitrary bytes as an image file: decoded within the size limits, or refused with a reason.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "exige.hpp"
#include "imagens/imagem_arquivo.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    std::string erro;
    const auto imagem = quindra::decodifica_imagem(std::span(dados, tamanho), erro);
    if (!imagem) {
        quindra::fuzz::exige(!erro.empty(), "uma imagem recusada diz por quê");
        return 0;
    }
    const std::int64_t pixels = std::int64_t{imagem->largura()} * imagem->altura();
    quindra::fuzz::exige(pixels > 0 && pixels <= quindra::MAXIMO_PIXELS_IMAGEM,
                         "uma imagem aceita cabe no limite");
    return 0;
}
