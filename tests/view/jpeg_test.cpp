// JPEG files built to trip a decoder: each is refused, quickly, with its reason.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "apoio/imagens_recusadas.hpp"
#include "apoio/jpeg_teste.hpp"

namespace quindra {
namespace {

using teste::decodifica;

std::string repete(const std::string& texto, int vezes) {
    std::string resultado;
    for (int i = 0; i < vezes; ++i) resultado += texto;
    return resultado;
}

// ---- surgery on the markers of a file libjpeg wrote (no restart markers, no fill bytes) ----

constexpr const char* SOS = "\xFF\xDA";

std::size_t be16(const std::string& b, std::size_t i) {
    return std::size_t{static_cast<std::uint8_t>(b[i])} << 8 | static_cast<std::uint8_t>(b[i + 1]);
}

/// A DC table declaring 257 codes, one more than a byte-valued symbol can have.
std::string tabela_com_257_codigos() {
    std::string contagens(16, '\0');
    contagens[14] = 2, contagens[15] = '\xFF';
    const std::string corpo = '\0' + contagens + std::string(257, '\x01');
    return std::string("\xFF\xC4") + char((corpo.size() + 2) >> 8) + char(corpo.size() + 2) + corpo;
}

/// Every scan pointed at DC and AC tables 3, which the file never defines, with two zero bytes
/// of coded data: a decoder that uses such a table reads whatever its memory held.
std::string com_tabelas_nunca_definidas(std::string jpeg) {
    for (std::size_t sos = jpeg.find(SOS); sos != std::string::npos;
         sos = jpeg.find(SOS, sos + 2)) {
        // marker, length, component count, then a (component, tables) pair for each
        for (int k = 0; k < jpeg[sos + 4]; ++k) jpeg[sos + 6 + 2 * k] = '\x33';
        const std::size_t dados = sos + 2 + be16(jpeg, sos + 2);
        std::size_t fim = jpeg.find('\xFF', dados); // coded data holds 0xFF only before 0x00
        while (jpeg[fim + 1] == '\0') fim = jpeg.find('\xFF', fim + 2);
        jpeg.replace(dados, fim - dados, 2, '\0');
    }
    return jpeg;
}

/// The last scan, which the end-of-image marker closes, repeated vezes more.
std::string com_varreduras_a_mais(const std::string& jpeg, int vezes) {
    const std::size_t ultima = jpeg.rfind(SOS), fim = jpeg.size() - 2;
    return jpeg.substr(0, fim) + repete(jpeg.substr(ultima, fim - ultima), vezes) + "\xFF\xD9";
}

std::string com_lados(std::string jpeg, std::uint16_t largura, std::uint16_t altura) {
    // the frame header, baseline or progressive: marker, length, precision, height, width
    const std::size_t quadro = std::min(jpeg.find("\xFF\xC0"), jpeg.find("\xFF\xC2"));
    jpeg.replace(quadro + 5, 4,
                 {char(altura >> 8), char(altura), char(largura >> 8), char(largura)});
    return jpeg;
}

TEST(Jpeg, ArquivosHostisSaoRecusadosSemDecodificarAoAcaso) {
    std::string amostras;
    for (int i = 0; i < 64 * 48; ++i) // a gradient, so that every scan carries data
        amostras += {char(i % 64 * 4), char(i / 64 * 5), char(i % 7 * 30)};
    const std::string base = teste::codifica_jpeg(64, 48, teste::EspacoJpeg::Rgb, amostras);
    const std::string progressivo =
        teste::codifica_jpeg(64, 48, teste::EspacoJpeg::Rgb, amostras, true);
    const teste::ImagemRecusada casos[] = {
        {"tabela de Huffman com 257 códigos",
         base.substr(0, 2) + tabela_com_257_codigos() + base.substr(2), "dados corrompidos"},
        {"tabelas de Huffman nunca definidas", com_tabelas_nunca_definidas(progressivo),
         "dados corrompidos"},
        {"varreduras progressivas sem fim", com_varreduras_a_mais(progressivo, 120),
         "dados corrompidos"},
        {"sem o marcador de fim", base.substr(0, base.size() - 2), "arquivo truncado"},
        {"progressivo de 8192 x 8192", com_lados(progressivo, 8192, 8192),
         "imagem grande demais: 8192 x 8192 pixels; o limite é de 40 megapixels e de 65500 "
         "pixels por lado"},
        // within the budget, from far too few bytes to code it
        {"progressivo de 6000 x 6000 em poucos bytes", com_lados(progressivo, 6000, 6000),
         "arquivo truncado"},
    };
    teste::confere_recusas(casos);

    // the files they came from decode, the extra scans short of the limit too
    for (const std::string& arquivo : {base, progressivo, com_varreduras_a_mais(progressivo, 80)}) {
        std::string erro;
        EXPECT_TRUE(decodifica(arquivo, erro)) << erro;
    }
}

} // namespace
} // namespace quindra
