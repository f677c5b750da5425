#include "imagens/bmp_rle.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quindra {
namespace {

constexpr CorPixel R{255, 0, 0}, G{0, 255, 0}, B{0, 0, 255}, W{255, 255, 255};
const std::vector<CorPixel> PALETA = {R, G, B, W};
using Bytes = std::vector<std::uint8_t>;

Bytes rgb_de(std::initializer_list<CorPixel> pixels) {
    Bytes rgb;
    for (const CorPixel& p : pixels) rgb.insert(rgb.end(), {p.r, p.g, p.b});
    return rgb;
}

TEST(DecodificaRle, FluxosMontadosAMao) {
    const struct {
        std::string nome;
        int bits, largura, altura;
        bool de_cima;
        Bytes dados, esperado; // esperado: top row first
    } casos[] = {
        // the first row of data is the bottom one unless the height was negative
        {"corridas",
         8,
         4,
         2,
         false,
         {3, 1, 1, 2, 0, 0, 2, 3, 2, 0, 0, 0, 0, 1},
         rgb_de({W, W, R, R, G, G, G, B})},
        {"de cima",
         8,
         4,
         2,
         true,
         {3, 1, 1, 2, 0, 0, 2, 3, 2, 0, 0, 0, 0, 1},
         rgb_de({G, G, G, B, W, W, R, R})},
        {"literais ímpares e enchimento",
         8,
         4,
         1,
         false,
         {0, 3, 2, 1, 0, 0xEE, 1, 3, 0, 1},
         rgb_de({B, G, R, W})},
        // after one pixel, the delta (1, 1) lands on column 2 of the middle row; skipped
        // pixels keep palette colour 0
        {"deslocamento",
         8,
         4,
         3,
         false,
         {1, 1, 0, 2, 1, 1, 1, 2, 0, 1},
         rgb_de({R, R, R, R, R, R, B, R, G, R, R, R})},
        {"além da borda",
         8,
         2,
         2,
         false,
         {5, 1, 0, 0, 0, 3, 2, 2, 3, 0, 0, 0, 0, 1},
         rgb_de({B, B, G, G})},
        {"fora da paleta", 8, 2, 1, false, {1, 9, 1, 3, 0, 1}, rgb_de({PRETO, W})},
        {"sem marca de fim", 8, 1, 2, false, {1, 2, 0, 0, 1, 3, 0, 0}, rgb_de({W, B})},
        {"RLE4 alterna", 4, 5, 1, false, {5, 0x12, 0, 1}, rgb_de({G, B, G, B, G})},
        {"RLE4 literais",
         4,
         5,
         1,
         false,
         {0, 5, 0x01, 0x23, 0x10, 0xEE, 0, 1},
         rgb_de({R, G, B, W, G})},
    };
    for (const auto& c : casos) {
        Bytes rgb;
        EXPECT_TRUE(decodifica_rle(c.dados, c.bits, c.largura, c.altura, c.de_cima, PALETA, rgb))
            << c.nome;
        EXPECT_EQ(rgb, c.esperado) << c.nome;
    }
}

TEST(DecodificaRle, DadosCortadosSaoRecusados) {
    const Bytes cortados[] = {
        {},
        {2, 1},                // a row begun, never ended
        {1, 1, 0, 0, 0, 2, 1}, // a delta without its second byte
        {0, 4, 1, 2},          // fewer literals than announced
    };
    for (const Bytes& dados : cortados) {
        Bytes rgb;
        EXPECT_FALSE(decodifica_rle(dados, 8, 2, 2, false, PALETA, rgb)) << dados.size();
    }
}

TEST(DecodificaRle, CorridasLongeDaImagemNaoCustamNada) {
    Bytes dados; // 100,000 full runs and deltas aimed past a 1 x 1 image
    for (int k = 0; k < 100'000; ++k) dados.insert(dados.end(), {255, 1, 0, 2, 255, 255});
    Bytes rgb; // the first delta already passes the last row: nothing is missing
    EXPECT_TRUE(decodifica_rle(dados, 8, 1, 1, false, PALETA, rgb));
    EXPECT_EQ(rgb, rgb_de({G}));
}

} // namespace
} // namespace quindra
