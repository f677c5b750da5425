// JPEG files built to trip a decoder: each is refused, quickly, with its reason.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
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

TEST(Jpeg, OQueODecodificadorGuardariaDaImagemCabeNaMemoria) {
    using enum teste::EspacoJpeg;
    using enum teste::VarredurasJpeg;
    const std::string tinta("\xFF\x80\x00\xC8", 4); // (200, 100, 0) in Adobe's inverted CMYK
    const auto plano = [&](int largura, int altura, teste::EspacoJpeg espaco,
                           teste::VarredurasJpeg varreduras) {
        return teste::codifica_jpeg_plano(largura, altura, espaco,
                                          tinta.substr(0, espaco == Rgb ? 3 : 4), varreduras);
    };
    // A small file given larger sides: within the budget the decoder goes on, and finds the data
    // too short for the image.
    const auto com_lados_de = [&](std::uint16_t lado, teste::EspacoJpeg espaco,
                                  teste::VarredurasJpeg varreduras) {
        return com_lados(plano(64, 48, espaco, varreduras), lado, lado);
    };
    const auto exigiria = [](const std::string& lados, const std::string& mb) {
        return "imagem grande demais: decodificar " + lados + " pixels exigiria " + mb +
               " MB de memória; o limite é de 256 MB";
    };
    const teste::ImagemRecusada casos[] = {
        // 40 megapixels of four components of two-byte coefficients, besides the final pixels
        {"progressivo CMYK", com_lados_de(6320, Cmyk, Progressivas),
         exigiria("6320 x 6320", "420")},
        // sequential, yet one component a scan: the same whole-image buffers
        {"uma varredura por componente", com_lados_de(6320, Cmyk, UmaPorComponente),
         exigiria("6320 x 6320", "420")},
        {"progressivo CMYK no limite", com_lados_de(4936, Cmyk, Progressivas), "arquivo truncado"},
        // 4937 pixels take 618 whole blocks a side, a block more than 4936 do
        {"progressivo CMYK um pixel além", com_lados_de(4937, Cmyk, Progressivas),
         exigiria("4937 x 4937", "257")},
        // a single scan is decoded as it is read: only the final pixels are whole
        {"CMYK numa varredura", com_lados_de(6320, Cmyk, Uma), "arquivo truncado"},
        // chroma at half resolution each way: coefficients of 1.5 components
        {"progressivo com crominância reduzida", com_lados_de(6320, Rgb, Progressivas),
         "arquivo truncado"},
    };
    teste::confere_recusas(casos);

    // what fits is decoded whole, the whole-image buffers included, converted from CMYK
    std::string erro;
    const auto imagem = decodifica(plano(3000, 2000, Cmyk, Progressivas), erro);
    ASSERT_TRUE(imagem) << erro;
    ASSERT_EQ(imagem->largura(), 3000);
    ASSERT_EQ(imagem->altura(), 2000);
    int distantes = 0; // a flat colour survives the lossy coding closely
    for (int y = 0; y < 2000; y += 97)
        for (int x = 0; x < 3000; x += 89) {
            const CorPixel p = imagem->pixel(x, y);
            distantes += std::abs(p.r - 200) + std::abs(p.g - 100) + std::abs(p.b) > 9;
        }
    EXPECT_EQ(distantes, 0);
}

} // namespace
} // namespace quindra
