#include "view/reamostragem.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace quindra {
namespace {

Bitmap linha(const std::vector<std::uint8_t>& cinzas) {
    std::vector<std::uint8_t> rgb;
    for (std::uint8_t c : cinzas) rgb.insert(rgb.end(), {c, c, c});
    return Bitmap(static_cast<int>(cinzas.size()), 1, std::move(rgb));
}

std::vector<std::uint8_t> cinzas(const Bitmap& imagem) {
    std::vector<std::uint8_t> resultado;
    for (int x = 0; x < imagem.largura(); ++x) resultado.push_back(imagem.pixel(x, 0).r);
    return resultado;
}

// Whole factors average whole blocks, each channel rounded on its own with halves up; other
// ratios weigh the pixels they cut by the part they cover; growing repeats; a plain picture
// stays plain at any size.
TEST(Reamostragem, MediaDaAreaCoberta) {
    Bitmap bloco(2, 2);
    bloco.define_pixel(0, 0, {255, 1, 2});
    bloco.define_pixel(1, 0, {0, 0, 0});
    bloco.define_pixel(0, 1, {0, 0, 0});
    bloco.define_pixel(1, 1, {0, 1, 0});
    EXPECT_EQ(reamostra(bloco, 1, 1).pixel(0, 0), (CorPixel{64, 1, 1}));

    EXPECT_EQ(cinzas(reamostra(linha({0, 100, 200}), 2, 1)),
              (std::vector<std::uint8_t>{33, 167})); // (0 + 50) / 1.5 and (50 + 200) / 1.5
    EXPECT_EQ(cinzas(reamostra(linha({10, 20, 30, 40, 50, 60}), 3, 1)),
              (std::vector<std::uint8_t>{15, 35, 55}));
    EXPECT_EQ(cinzas(reamostra(linha({7, 9}), 6, 1)),
              (std::vector<std::uint8_t>{7, 7, 7, 9, 9, 9}));
    EXPECT_EQ(reamostra(bloco, 3, 2).altura(), 2);
    EXPECT_EQ(reamostra(bloco, 0, -4).largura(), 1);

    for (int lado : {1, 37, 128, 256, 599, 1024}) {
        const Bitmap novo = reamostra(Bitmap(598, 598), lado, lado); // all white
        for (int i = 0; i < lado; i += 5) EXPECT_EQ(novo.pixel(i, lado - 1 - i), BRANCO) << lado;
    }
}

} // namespace
} // namespace quindra
