// JPEG decoding: colour spaces, and files cut, inflated or built to trip a decoder.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "apoio/jpeg_teste.hpp"
#include "view/imagem_arquivo.hpp"

namespace quindra {
namespace {

using teste::EspacoJpeg;

std::optional<Bitmap> decodifica(const std::string& arquivo, std::string& erro) {
    return decodifica_imagem(
        {reinterpret_cast<const std::uint8_t*>(arquivo.data()), arquivo.size()}, erro);
}

std::string repete(std::string_view amostra, int vezes) {
    std::string amostras;
    for (int i = 0; i < vezes; ++i) amostras += amostra;
    return amostras;
}

/// A flat colour survives lossy coding within a few levels in each channel.
void espera_cor_plana(const Bitmap& imagem, CorPixel cor, const std::string& nome) {
    for (int y = 0; y < imagem.altura(); ++y)
        for (int x = 0; x < imagem.largura(); ++x) {
            const CorPixel p = imagem.pixel(x, y);
            ASSERT_LE(std::abs(p.r - cor.r) + std::abs(p.g - cor.g) + std::abs(p.b - cor.b), 9)
                << nome << " em (" << x << ", " << y << ")";
        }
}

TEST(Jpeg, CadaEspacoDeCorViraRgb) {
    // CMYK is stored inverted, Adobe's way: 255 means no ink, so red = C * K / 255
    const struct {
        std::string nome;
        EspacoJpeg espaco;
        std::string amostra;
        CorPixel esperada;
        bool progressivo = false;
    } casos[] = {
        {"cinza", EspacoJpeg::Cinza, "\x4D", {77, 77, 77}},
        {"rgb", EspacoJpeg::Rgb, "\x5A\xA0\xDC", {90, 160, 220}},
        {"rgb progressivo", EspacoJpeg::Rgb, "\x5A\xA0\xDC", {90, 160, 220}, true},
        {"cmyk", EspacoJpeg::Cmyk, std::string("\xFF\x80\x00\xC8", 4), {200, 100, 0}},
        {"ycck", EspacoJpeg::Ycck, std::string("\xFF\x80\x00\xC8", 4), {200, 100, 0}},
    };
    for (const auto& caso : casos) {
        const std::string jpeg = teste::codifica_jpeg(
            24, 16, caso.espaco, repete(caso.amostra, 24 * 16), caso.progressivo);
        std::string erro;
        const auto imagem = decodifica(jpeg, erro);
        ASSERT_TRUE(imagem) << caso.nome << ": " << erro;
        EXPECT_EQ(imagem->largura(), 24);
        EXPECT_EQ(imagem->altura(), 16);
        espera_cor_plana(*imagem, caso.esperada, caso.nome);
    }
}

// ---- surgery on the markers of a file libjpeg wrote ----

std::size_t be16(const std::string& b, std::size_t i) {
    return std::size_t{static_cast<std::uint8_t>(b[i])} << 8 | static_cast<std::uint8_t>(b[i + 1]);
}

/// One marker segment, its two marker bytes included; a scan runs on to the end of its data.
struct Segmento {
    std::uint8_t marcador;
    std::size_t inicio, fim;
};

std::vector<Segmento> segmentos(const std::string& jpeg) {
    std::vector<Segmento> lista;
    for (std::size_t i = 2; i + 4 <= jpeg.size() && jpeg[i + 1] != '\xD9';) {
        const auto marcador = static_cast<std::uint8_t>(jpeg[i + 1]);
        std::size_t fim = i + 2 + be16(jpeg, i + 2);
        // coded data holds 0xFF only before 0x00 (a stuffed byte) or a restart marker
        const auto dados = [&](std::size_t k) {
            const auto seguinte = static_cast<std::uint8_t>(jpeg[k + 1]);
            return jpeg[k] != '\xFF' || seguinte == 0 || (seguinte >= 0xD0 && seguinte <= 0xD7);
        };
        if (marcador == 0xDA)
            while (fim + 1 < jpeg.size() && dados(fim)) ++fim;
        lista.push_back({marcador, i, fim});
        i = fim;
    }
    return lista;
}

constexpr std::uint8_t SOF0 = 0xC0, SOF2 = 0xC2, SOS = 0xDA;

/// Every scan pointed at DC and AC tables 3, which the file never defines, with two zero bytes
/// of coded data: a decoder that reads such a table reads whatever its memory held.
std::string com_tabelas_nunca_definidas(const std::string& jpeg) {
    std::string resultado = jpeg.substr(0, 2);
    std::size_t fim = 2;
    for (const Segmento& s : segmentos(jpeg)) {
        fim = s.fim;
        if (s.marcador != SOS) {
            resultado += jpeg.substr(s.inicio, s.fim - s.inicio);
            continue;
        }
        // marker, length, component count, then a (component, tables) pair for each
        std::string cabecalho = jpeg.substr(s.inicio, 2 + be16(jpeg, s.inicio + 2));
        for (std::size_t k = 0; k < static_cast<std::uint8_t>(cabecalho[4]); ++k)
            cabecalho[6 + 2 * k] = '\x33';
        resultado += cabecalho + std::string(2, '\0');
    }
    return resultado + jpeg.substr(fim);
}

/// A DC table declaring 257 codes, one more than a byte-valued symbol can have.
std::string tabela_com_257_codigos() {
    std::string contagens(16, '\0');
    contagens[14] = 2, contagens[15] = '\xFF';
    std::string corpo = std::string(1, '\0') + contagens + std::string(257, '\x01');
    const std::size_t comprimento = corpo.size() + 2;
    return std::string("\xFF\xC4") + char(comprimento >> 8) + char(comprimento & 0xFF) + corpo;
}

std::string com_lados(std::string jpeg, std::uint16_t largura, std::uint16_t altura) {
    for (const Segmento& s : segmentos(jpeg))
        if (s.marcador == SOF0 || s.marcador == SOF2) { // length, precision, height, width
            jpeg.replace(s.inicio + 5, 4,
                         {char(altura >> 8), char(altura), char(largura >> 8), char(largura)});
            return jpeg;
        }
    ADD_FAILURE() << "sem cabeçalho de quadro";
    return jpeg;
}

/// The last scan repeated until the file has vezes scans more.
std::string com_varreduras_a_mais(const std::string& jpeg, int vezes) {
    const auto lista = segmentos(jpeg);
    const Segmento& ultima = lista.back();
    EXPECT_EQ(ultima.marcador, SOS);
    const std::string varredura = jpeg.substr(ultima.inicio, ultima.fim - ultima.inicio);
    return jpeg.substr(0, ultima.fim) + repete(varredura, vezes) + jpeg.substr(ultima.fim);
}

TEST(Jpeg, ArquivosHostisSaoRecusadosSemDecodificarAoAcaso) {
    std::string amostras;
    for (int i = 0; i < 64 * 48; ++i) // a gradient, so that every scan carries data
        amostras += {char(i % 64 * 4), char(i / 64 * 5), char(i % 7 * 30)};
    const std::string base = teste::codifica_jpeg(64, 48, EspacoJpeg::Rgb, amostras);
    const std::string progressivo = teste::codifica_jpeg(64, 48, EspacoJpeg::Rgb, amostras, true);
    const struct {
        std::string nome, arquivo, motivo;
    } casos[] = {
        {"tabela de Huffman com 257 códigos",
         base.substr(0, 2) + tabela_com_257_codigos() + base.substr(2), "dados corrompidos"},
        {"tabelas de Huffman nunca definidas", com_tabelas_nunca_definidas(progressivo),
         "dados corrompidos"},
        {"varreduras progressivas sem fim", com_varreduras_a_mais(progressivo, 120),
         "dados corrompidos"},
        {"progressivo cortado", progressivo.substr(0, progressivo.size() * 2 / 3),
         "arquivo truncado"},
        {"sem o marcador de fim", base.substr(0, base.size() - 2), "arquivo truncado"},
        {"só a assinatura", "\xFF\xD8\xFF", "arquivo truncado"},
        {"progressivo de 8192 x 8192", com_lados(progressivo, 8192, 8192),
         "imagem grande demais: 8192 x 8192 pixels; o limite é de 40 megapixels e de 65500 "
         "pixels por lado"},
        {"lado além do limite", com_lados(base, 65501, 1),
         "imagem grande demais: 65501 x 1 pixels; o limite é de 40 megapixels e de 65500 "
         "pixels por lado"},
        {"altura zero", com_lados(base, 64, 0), "largura ou altura inválida"},
        // within the budget, from far too few bytes to code it
        {"progressivo 6000 x 6000 em poucos bytes", com_lados(progressivo, 6000, 6000),
         "arquivo truncado"},
    };
    const auto inicio = std::chrono::steady_clock::now();
    for (const auto& caso : casos) {
        std::string erro;
        EXPECT_FALSE(decodifica(caso.arquivo, erro)) << caso.nome;
        EXPECT_EQ(erro, caso.motivo) << caso.nome;
    }
    // nothing above was decoded at its claimed size
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(1));

    // the files they came from decode, the extra scans short of the limit too
    for (const std::string& arquivo : {base, progressivo, com_varreduras_a_mais(progressivo, 80)}) {
        std::string erro;
        EXPECT_TRUE(decodifica(arquivo, erro)) << erro;
    }
}

} // namespace
} // namespace quindra
