// The bundled objects through the four interpolating renderers, from the window's default view
// (hx = hy = 0.5) with a light at the camera. Set QUINDRA_QUADROS to a folder to look at them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apoio/cena_teste.hpp"
#include "malhas/objeto.hpp"
#include "render/sombreamentos.hpp"
#include "view/coordenadas.hpp"

namespace quindra {
namespace {

// Columns of row 300 that show the object or the background; straight ahead the sphere faces
// the camera and the light (nl = rv = 1): 20.2 + 0.5 (200, 100, 0) + 0.5 255 = (247.7, ...).
const struct {
    const char* arquivo;
    std::vector<int> objeto, fundo;
} AMOSTRAS[] = {
    {"esfera", {160, 300, 440}, {140, 470}}, // radius 50: outline at tan(asin(1/4)) / 0.5
    {"toro", {190, 410}, {300, 340, 470}},   // radii 35 and 15: the hole reaches 300 +- 60
    {"cubo", {160, 300, 440}, {140, 460}},   // front face of side 80 at depth 160
};

TEST(AmostrasSombreadas, ObjetoFundoERealce) {
    const Camera camera({0, 0, -1}, {0, 1, 0}, Ponto(0, 0, 200), 1, 0.5, 0.5);
    Material material;
    material.Od2 = Cor(200, 100, 0);
    material.Os2 = Cor(255, 255, 255);
    material.Kd = material.Ks = 0.5;
    material.Rugosidade = 1;
    const Cena cena{Cor(101, 101, 101), 0.2, {Cor(255, 255, 255)}, {Ponto(0, 0, 200)}};
    // The diffuse colour as the texture, so that the textured frame matches the plain one.
    std::vector<std::uint8_t> laranja;
    for (int i = 0; i < 16; ++i) laranja.insert(laranja.end(), {200, 100, 0});
    const Bitmap textura(4, 4, laranja);

    for (const auto& amostra : AMOSTRAS) {
        Malha malha;
        ASSERT_EQ(
            carrega_objeto(malha, std::string(QUINDRA_AMOSTRAS) + "/" + amostra.arquivo + ".txt"),
            MENSAGEM_SUCESSO_OBJETO);
        for (teste::Sombreamento s : teste::SOMBREAMENTOS) {
            const std::string nome = amostra.arquivo + std::to_string(static_cast<int>(s));
            Bitmap tela = teste::tela_nova();
            desenha_sombreado(s, tela, malha, camera, material, cena, textura);
            teste::guarda_para_olhar(tela, nome);
            for (int x : amostra.objeto) EXPECT_NE(tela.pixel(x, 300), fundo(s)) << nome << x;
            for (int x : amostra.fundo) EXPECT_EQ(tela.pixel(x, 300), fundo(s)) << nome << x;
            if (amostra.arquivo != std::string("esfera")) continue;
            const CorPixel centro = tela.pixel(300, 300);
            EXPECT_NEAR(centro.r, 247.7, 3) << nome;
            EXPECT_NEAR(centro.g, 197.7, 3) << nome;
            EXPECT_NEAR(centro.b, 147.7, 3) << nome;
        }
    }
}

} // namespace
} // namespace quindra
