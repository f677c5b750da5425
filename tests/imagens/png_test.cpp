// PNG files made here sample by sample: colour types that must come out as 8-bit RGB, and files
// built to trip a decoder.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include <zlib.h>

#include "apoio/imagens_recusadas.hpp"

namespace quindra {
namespace {

using teste::decodifica;

void poe32(std::string& b, std::uint32_t v) {
    for (int k = 24; k >= 0; k -= 8) b += char(v >> k);
}

std::string bloco(const std::string& tipo, const std::string& dados) {
    std::string b;
    poe32(b, static_cast<std::uint32_t>(dados.size()));
    b += tipo + dados;
    poe32(b, static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(b.data() + 4),
                                              static_cast<uInt>(b.size() - 4))));
    return b;
}

constexpr std::uint8_t CINZA = 0, RGB = 2, PALETA = 3, CINZA_ALFA = 4;

struct Png {
    std::uint32_t largura, altura;
    std::uint8_t profundidade, tipo;
    bool entrelacado;
    std::vector<std::vector<std::uint32_t>> pixels; // the samples of each pixel, top row first
    std::string antes_dos_dados{};                  // PLTE, tRNS
};

/// Row after row (pass after pass when interlaced), each with filter type 0 and its samples
/// packed high bits first.
std::string linhas_cruas(const Png& png) {
    struct Passagem {
        std::uint32_t x0, y0, dx, dy;
    };
    std::vector<Passagem> passagens = {{0, 0, 1, 1}};
    if (png.entrelacado)
        passagens = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                     {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    std::string cru;
    for (const Passagem& p : passagens)
        for (std::uint32_t y = p.y0; y < png.altura && p.x0 < png.largura; y += p.dy) {
            cru += '\0';
            std::uint32_t acumulado = 0, bits = 0;
            for (std::uint32_t x = p.x0; x < png.largura; x += p.dx)
                for (std::uint32_t amostra : png.pixels[y * png.largura + x]) {
                    acumulado = acumulado << png.profundidade | amostra;
                    for (bits += png.profundidade; bits >= 8; bits -= 8)
                        cru += char(acumulado >> (bits - 8));
                }
            if (bits > 0) cru += char(acumulado << (8 - bits));
        }
    return cru;
}

std::string arquivo_png(const Png& png, const std::string& cru) {
    std::string ihdr;
    poe32(ihdr, png.largura), poe32(ihdr, png.altura);
    ihdr += {char(png.profundidade), char(png.tipo), '\0', '\0', char(png.entrelacado)};
    std::vector<Bytef> comprimido(compressBound(static_cast<uLong>(cru.size())));
    auto tamanho = static_cast<uLongf>(comprimido.size());
    compress(comprimido.data(), &tamanho, reinterpret_cast<const Bytef*>(cru.data()),
             static_cast<uLong>(cru.size()));
    return "\x89PNG\r\n\x1a\n" + bloco("IHDR", ihdr) + png.antes_dos_dados +
           bloco("IDAT", std::string(comprimido.begin(), comprimido.begin() + tamanho)) +
           bloco("IEND", "");
}

TEST(Png, CadaTipoDeCorEProfundidadeViraRgbDe8Bits) {
    const std::string paleta =
        bloco("PLTE", std::string("\xFF\x00\x00\x00\x80\x00\x10\x20\x30", 9));
    const struct {
        std::string nome;
        Png png;
        std::vector<CorPixel> esperado;
    } casos[] = {
        // transparency is dropped, not blended
        {"paleta de 2 bits com transparência",
         {4, 1, 2, PALETA, false, {{0}, {1}, {2}, {1}}, paleta + bloco("tRNS", {"\x00\x80", 2})},
         {{255, 0, 0}, {0, 128, 0}, {16, 32, 48}, {0, 128, 0}}},
        // 16 bits scale to the nearest 8-bit level, v / 257: 0x12FF is 18.9, not its high byte
        {"cinza e alfa de 16 bits",
         {2, 1, 16, CINZA_ALFA, false, {{0x12FF, 0}, {0x8080, 0xFFFF}}},
         {{19, 19, 19}, {128, 128, 128}}},
        // three pixels in three of the seven passes: the first, fourth and sixth
        {"cinza de 1 bit entrelaçado",
         {3, 1, 1, CINZA, true, {{1}, {0}, {1}}},
         {{255, 255, 255}, {0, 0, 0}, {255, 255, 255}}},
    };
    for (const auto& caso : casos) {
        std::string erro;
        const auto imagem = decodifica(arquivo_png(caso.png, linhas_cruas(caso.png)), erro);
        ASSERT_TRUE(imagem) << caso.nome << ": " << erro;
        std::vector<CorPixel> lidos;
        for (int y = 0; y < imagem->altura(); ++y)
            for (int x = 0; x < imagem->largura(); ++x) lidos.push_back(imagem->pixel(x, y));
        EXPECT_EQ(lidos, caso.esperado) << caso.nome;
    }
}

TEST(Png, ArquivosHostisSaoRecusadosPeloCabecalhoOuPelosDados) {
    const Png cinza{4, 2, 8, CINZA, false, {{1}, {2}, {3}, {4}, {5}, {6}, {7}, {8}}};
    const std::string cru = linhas_cruas(cinza), bom = arquivo_png(cinza, cru);
    std::string crc_errado = bom;
    crc_errado[bom.find("IEND") - 5] ^= 1; // the last byte of the data chunk's CRC

    const teste::ImagemRecusada casos[] = {
        // an 8192 x 8192 RGB of zeros deflates to under 200 KB and decodes to 200 MB; the
        // header alone says no
        {"bomba de descompressão", arquivo_png({8192, 8192, 8, RGB, false, {}}, ""),
         "imagem grande demais: 8192 x 8192 pixels; o limite é de 40 megapixels e de 65500 "
         "pixels por lado"},
        // found by the fuzzer: the product of the two sides overflows 64 bits
        {"lados enormes", arquivo_png({3368645681u, 3264439642u, 8, RGB, false, {}}, ""),
         "imagem grande demais: 3368645681 x 3264439642 pixels; o limite é de 40 megapixels e "
         "de 65500 pixels por lado"},
        {"CRC errado", crc_errado, "dados corrompidos"},
        {"dados de menos", arquivo_png(cinza, cru.substr(0, cru.size() - 5)), "dados corrompidos"},
        {"cortado nos dados", bom.substr(0, bom.find("IDAT") + 8), "arquivo truncado"},
    };
    teste::confere_recusas(casos);
}

/// Text of `bytes` zeros, compressed the way zTXt, or iTXt with its compression flag, holds it.
std::string texto_comprimido(const std::string& tipo, std::size_t bytes) {
    const std::string zeros(bytes, '\0');
    std::vector<Bytef> comprimido(compressBound(static_cast<uLong>(bytes)));
    auto tamanho = static_cast<uLongf>(comprimido.size());
    compress(comprimido.data(), &tamanho, reinterpret_cast<const Bytef*>(zeros.data()),
             static_cast<uLong>(bytes));
    // keyword, then method 0; iTXt puts its flag first and an empty language and translation
    const std::string cabecalho =
        tipo == "zTXt" ? std::string("Comment\0\0", 9) : std::string("Comment\0\1\0\0\0", 12);
    return bloco(tipo, cabecalho + std::string(comprimido.begin(), comprimido.begin() + tamanho));
}

TEST(Png, BlocosAuxiliaresSaoPuladosSemSeremGuardados) {
    // each inflates 7 KB into 7 MB: libpng used to inflate and keep them all, 420 MB here (6 GB
    // from a 6 MB file), of text nobody reads
    const std::string textos =
        texto_comprimido("zTXt", 7 << 20) + texto_comprimido("iTXt", 7 << 20);
    Png cinza{3, 2, 8, CINZA, false, {{1}, {2}, {3}, {4}, {5}, {6}}};
    for (int i = 0; i < 30; ++i) cinza.antes_dos_dados += textos;
    const std::string arquivo = arquivo_png(cinza, linhas_cruas(cinza));

    const auto inicio = std::chrono::steady_clock::now();
    std::string erro;
    const auto imagem = decodifica(arquivo, erro);
    ASSERT_TRUE(imagem) << erro;
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(1));
    EXPECT_EQ(imagem->pixel(2, 1), (CorPixel{6, 6, 6}));
}

} // namespace
} // namespace quindra
