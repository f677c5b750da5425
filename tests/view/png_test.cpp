// PNG decoding: every colour type and depth to 8-bit RGB, and files cut, damaged or inflated.
// The files are made here, sample by sample, so that the expected pixels follow from them.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include <zlib.h>

#include "view/imagem_arquivo.hpp"

namespace quindra {
namespace {

std::optional<Bitmap> decodifica(const std::string& arquivo, std::string& erro) {
    return decodifica_imagem(
        {reinterpret_cast<const std::uint8_t*>(arquivo.data()), arquivo.size()}, erro);
}

void poe32(std::string& b, std::uint32_t v) {
    for (int k = 24; k >= 0; k -= 8) b += char(v >> k & 0xFF);
}

std::string bloco(std::string_view tipo, std::string_view dados) {
    std::string b;
    poe32(b, static_cast<std::uint32_t>(dados.size()));
    const std::string conteudo = std::string(tipo) + std::string(dados);
    poe32(b.append(conteudo),
          static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(conteudo.data()),
                                           static_cast<uInt>(conteudo.size()))));
    return b;
}

std::string comprime(const std::string& cru) {
    std::vector<Bytef> saida(compressBound(static_cast<uLong>(cru.size())));
    uLongf tamanho = static_cast<uLongf>(saida.size());
    compress(saida.data(), &tamanho, reinterpret_cast<const Bytef*>(cru.data()),
             static_cast<uLong>(cru.size()));
    return {reinterpret_cast<const char*>(saida.data()), tamanho};
}

constexpr std::uint8_t CINZA = 0, RGB = 2, PALETA = 3, CINZA_ALFA = 4, RGBA = 6;

struct Png {
    std::uint32_t largura, altura;
    std::uint8_t profundidade, tipo;
    bool entrelacado = false;
    std::vector<std::vector<std::uint32_t>> pixels; // the samples of each pixel, top row first
    std::string antes_dos_dados{};                  // PLTE, tRNS
};

/// Row after row (pass after pass when interlaced), each with filter type 0 and its samples
/// packed high bits first.
std::string linhas_cruas(const Png& png) {
    struct Passagem {
        std::uint32_t x0, y0, dx, dy;
    };
    const std::vector<Passagem> passagens =
        png.entrelacado
            ? std::vector<Passagem>{{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                    {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}
            : std::vector<Passagem>{{0, 0, 1, 1}};
    std::string cru;
    for (const Passagem& p : passagens) {
        if (p.x0 >= png.largura) continue; // a pass with no columns has no rows either
        for (std::uint32_t y = p.y0; y < png.altura; y += p.dy) {
            cru += '\0';
            std::uint32_t acumulado = 0, bits = 0;
            for (std::uint32_t x = p.x0; x < png.largura; x += p.dx)
                for (std::uint32_t amostra : png.pixels[y * png.largura + x]) {
                    acumulado = acumulado << png.profundidade | amostra;
                    for (bits += png.profundidade; bits >= 8; bits -= 8)
                        cru += char(acumulado >> (bits - 8) & 0xFF);
                }
            if (bits > 0) cru += char(acumulado << (8 - bits) & 0xFF);
        }
    }
    return cru;
}

std::string ihdr(std::uint32_t largura, std::uint32_t altura, std::uint8_t profundidade,
                 std::uint8_t tipo, bool entrelacado) {
    std::string dados;
    poe32(dados, largura), poe32(dados, altura);
    dados += {char(profundidade), char(tipo), '\0', '\0', char(entrelacado)};
    return bloco("IHDR", dados);
}

std::string arquivo_png(const Png& png, const std::string& cru) {
    return "\x89PNG\r\n\x1a\n" +
           ihdr(png.largura, png.altura, png.profundidade, png.tipo, png.entrelacado) +
           png.antes_dos_dados + bloco("IDAT", comprime(cru)) + bloco("IEND", "");
}

std::string arquivo_png(const Png& png) { return arquivo_png(png, linhas_cruas(png)); }

TEST(Png, CadaTipoDeCorEProfundidadeViraRgbDe8Bits) {
    const std::string paleta = bloco("PLTE", std::string("\xFF\x00\x00\x00\x80\x00\x10\x20\x30"
                                                         "\xFF\xFF\xFF",
                                                         12));
    const struct {
        std::string nome;
        Png png;
        std::vector<CorPixel> esperado;
    } casos[] = {
        {"cinza de 1 bit",
         {3, 2, 1, CINZA, false, {{1}, {0}, {1}, {0}, {0}, {1}}},
         {{255, 255, 255}, {0, 0, 0}, {255, 255, 255}, {0, 0, 0}, {0, 0, 0}, {255, 255, 255}}},
        // a sample of n bits scales to 255 * v / (2^n - 1)
        {"cinza de 4 bits", {2, 1, 4, CINZA, false, {{5}, {15}}}, {{85, 85, 85}, {255, 255, 255}}},
        // 16 bits scale to the nearest 8-bit level, v / 257: 0x12FF is 18.9, not its high byte
        {"cinza e alfa de 16 bits",
         {2, 1, 16, CINZA_ALFA, false, {{0x12FF, 0}, {0x8080, 0xFFFF}}},
         {{19, 19, 19}, {128, 128, 128}}},
        // alpha is dropped, not blended: a transparent pixel keeps its colour
        {"rgba de 8 bits",
         {2, 1, 8, RGBA, false, {{10, 20, 30, 0}, {200, 100, 50, 255}}},
         {{10, 20, 30}, {200, 100, 50}}},
        {"rgba de 16 bits",
         {1, 1, 16, RGBA, false, {{0xFFFF, 0x0000, 0x8080, 0x1234}}},
         {{255, 0, 128}}},
        {"paleta de 2 bits com transparência",
         {4,
          1,
          2,
          PALETA,
          false,
          {{0}, {1}, {2}, {3}},
          paleta + bloco("tRNS", std::string("\x00\x80", 2))},
         {{255, 0, 0}, {0, 128, 0}, {16, 32, 48}, {255, 255, 255}}},
        {"rgb entrelaçado",
         {3,
          3,
          8,
          RGB,
          true,
          {{1, 2, 3},
           {4, 5, 6},
           {7, 8, 9},
           {10, 11, 12},
           {13, 14, 15},
           {16, 17, 18},
           {19, 20, 21},
           {22, 23, 24},
           {25, 26, 27}}},
         {{1, 2, 3},
          {4, 5, 6},
          {7, 8, 9},
          {10, 11, 12},
          {13, 14, 15},
          {16, 17, 18},
          {19, 20, 21},
          {22, 23, 24},
          {25, 26, 27}}},
    };
    for (const auto& caso : casos) {
        std::string erro;
        const auto imagem = decodifica(arquivo_png(caso.png), erro);
        ASSERT_TRUE(imagem) << caso.nome << ": " << erro;
        ASSERT_EQ(imagem->largura(), static_cast<int>(caso.png.largura)) << caso.nome;
        std::vector<CorPixel> lidos;
        for (int y = 0; y < imagem->altura(); ++y)
            for (int x = 0; x < imagem->largura(); ++x) lidos.push_back(imagem->pixel(x, y));
        EXPECT_EQ(lidos, caso.esperado) << caso.nome;
    }
}

TEST(Png, ArquivosHostisSaoRecusadosPeloCabecalhoOuPelosDados) {
    const Png cinza{4, 2, 8, CINZA, false, {{1}, {2}, {3}, {4}, {5}, {6}, {7}, {8}}};
    const std::string cru = linhas_cruas(cinza), bom = arquivo_png(cinza);
    const std::size_t dados = bom.find("IDAT") - 4;
    const auto com_cabecalho = [&](const std::string& cabecalho) {
        return bom.substr(0, 8) + cabecalho + bom.substr(8 + 25);
    };
    std::string crc_errado = bom;
    crc_errado[bom.find("IEND") - 5] ^= 1; // the last byte of the data chunk's CRC
    std::string filtro_invalido = cru;
    filtro_invalido[0] = 5; // filter types run from 0 to 4

    const struct {
        std::string nome, arquivo, motivo;
    } casos[] = {
        // an 8192 x 8192 RGB of zeros deflates to under 200 KB: its header alone says no
        {"bomba de descompressão", com_cabecalho(ihdr(8192, 8192, 8, RGB, false)),
         "imagem grande demais: 8192 x 8192 pixels; o limite é de 40 megapixels e de 65500 "
         "pixels por lado"},
        // libpng would keep two rows of 8 bytes a pixel for it
        {"linha longa demais", com_cabecalho(ihdr(40'000'000, 1, 16, RGBA, false)),
         "imagem grande demais: 40000000 x 1 pixels; o limite é de 40 megapixels e de 65500 "
         "pixels por lado"},
        {"CRC errado", crc_errado, "dados corrompidos"},
        {"tipo de filtro inválido", arquivo_png(cinza, filtro_invalido), "dados corrompidos"},
        {"dados de menos", arquivo_png(cinza, cru.substr(0, cru.size() - 5)), "dados corrompidos"},
        {"profundidade impossível", com_cabecalho(ihdr(4, 2, 3, CINZA, false)),
         "dados corrompidos"},
        {"cortado nos dados", bom.substr(0, dados + 12), "arquivo truncado"},
        {"cabeçalho incompleto", bom.substr(0, 20), "arquivo truncado"},
    };
    const auto inicio = std::chrono::steady_clock::now();
    for (const auto& caso : casos) {
        std::string erro;
        EXPECT_FALSE(decodifica(caso.arquivo, erro)) << caso.nome;
        EXPECT_EQ(erro, caso.motivo) << caso.nome;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(1));
}

} // namespace
} // namespace quindra
