#include <gtest/gtest.h>

#include "apoio/cena_teste.hpp"
#include "malhas/objeto.hpp"

namespace quindra {
namespace {

using teste::camera_inicial;
using teste::conta_pixels;
using teste::malha_mundo;
using teste::tela_nova;

TEST(Arame, CuboNaCameraInicialCaiOndeAProjecaoDiz) {
    const Camera camera = camera_inicial();
    Malha malha;
    ASSERT_EQ(carrega_objeto(malha, std::string(QUINDRA_AMOSTRAS) + "/cubo.txt"),
              MENSAGEM_SUCESSO_OBJETO);
    Bitmap tela = tela_nova();
    teste::desenha(Algoritmo::Wireframe, tela, malha, camera);
    teste::guarda_para_olhar(tela, "arame-cubo");

    // Front face (z = 40, depth 160): corners at 300 +- 40/160 * 300 = 225 and 375.
    // Back face (z = -40, depth 240): 300 +- 50 = 250 and 350.
    for (const PontoPixel p : {PontoPixel{225, 225},
                               {300, 225},
                               {375, 300},
                               {300, 375},
                               {250, 250},
                               {300, 250},
                               {350, 300},
                               {300, 300}})
        EXPECT_EQ(tela.pixel(p.x, p.y), AMARELO) << p.x << "," << p.y;
    for (const PontoPixel p :
         {PontoPixel{320, 300}, {300, 320}, {100, 100}, {224, 300}, {376, 300}})
        EXPECT_EQ(tela.pixel(p.x, p.y), PRETO) << p.x << "," << p.y;
    EXPECT_EQ(tela.pixel(0, 0), BRANCO);  // row 0 and column 0 are never cleared
    EXPECT_EQ(tela.pixel(1, 300), PRETO); // the first frame outline takes the black pen
}

TEST(Arame, SegundoDesenhoTemMolduraAmarela) {
    const Camera camera = camera_inicial();
    Malha malha = malha_mundo({Ponto(0, 0, 0), Ponto(10, 0, 0), Ponto(0, 10, 0)}, {{1, 2, 3}});
    Bitmap tela = tela_nova();
    teste::desenha(Algoritmo::Wireframe, tela, malha, camera);
    EXPECT_EQ(tela.pixel(1, 300), PRETO);
    teste::desenha(Algoritmo::Wireframe, tela, malha, camera);
    for (const PontoPixel p : {PontoPixel{1, 300}, {599, 300}, {300, 1}, {300, 599}, {1, 1}})
        EXPECT_EQ(tela.pixel(p.x, p.y), AMARELO) << p.x << "," << p.y;
    EXPECT_EQ(tela.pixel(0, 300), BRANCO);
}

TEST(Arame, TrianguloAtravessandoOPlanoFocal) {
    const Camera camera = camera_inicial();
    // Camera coordinates P1 = (0, 0, 0.5), P2 = (-1, 1, 2), P3 = (1, 1, 2): P1 is nearer than
    // the plane at depth 1, so both its edges are cut at x = -+1/3, y = 1/3.
    Malha malha =
        malha_mundo({Ponto(0, 0, 199.5), Ponto(-1, 1, 198), Ponto(1, 1, 198)}, {{1, 2, 3}});
    Bitmap tela = tela_nova();
    teste::desenha(Algoritmo::Wireframe, tela, malha, camera);
    EXPECT_EQ(tela.pixel(300, 200), AMARELO); // the segment along the plane, row 200
    EXPECT_EQ(tela.pixel(250, 200), AMARELO);
    EXPECT_EQ(tela.pixel(300, 150), AMARELO); // the far edge at yn = 0.5
    EXPECT_EQ(tela.pixel(175, 175), AMARELO); // the kept part of edge 1-2
    EXPECT_EQ(tela.pixel(300, 300), PRETO);   // where P1 would have projected
    EXPECT_EQ(tela.pixel(300, 250), PRETO);
}

TEST(Arame, TrianguloTodoPertoNaoDesenhaNada) {
    const Camera camera = camera_inicial();
    Malha malha =
        malha_mundo({Ponto(0, 0, 199.5), Ponto(1, 0, 199.5), Ponto(0, 1, 199.9)}, {{1, 2, 3}});
    Bitmap tela = tela_nova();
    teste::desenha(Algoritmo::Wireframe, tela, malha, camera);
    EXPECT_EQ(conta_pixels(tela, AMARELO), 0);
}

TEST(Arame, ArestaQueSaiDaVistaEhCortadaNaBorda) {
    const Camera camera = camera_inicial();
    // A horizontal edge from xn = -3 to xn = 3 at depth 100, and an edge wholly off screen.
    Malha malha = malha_mundo({Ponto(-300, 0, 100), Ponto(300, 0, 100), Ponto(-300, 0, 100),
                               Ponto(400, 400, 100), Ponto(500, 400, 100)},
                              {{1, 2, 3}, {4, 5, 4}});
    Bitmap tela = tela_nova();
    teste::desenha(Algoritmo::Wireframe, tela, malha, camera);
    EXPECT_EQ(tela.pixel(0, 300), AMARELO);
    EXPECT_EQ(tela.pixel(599, 300), AMARELO);
    EXPECT_EQ(conta_pixels(tela, AMARELO), 597);
}

TEST(Arame, DistanciaFocalMinusculaNaoProjetaProfundidadeNula) {
    Camera camera = camera_inicial();
    camera.d = 1e-7;
    // The first edge starts just behind the camera: the cut tolerance lets it through uncut,
    // and projecting that end would mirror it onto the screen.
    Malha malha = malha_mundo(
        {Ponto(0.5, 0.5, 200 + 5e-7), Ponto(0.5, 0.5, 200 - 2e-7), Ponto(0.5, 0.5, 200 + 5e-7)},
        {{1, 2, 3}});
    Bitmap tela = tela_nova();
    teste::desenha(Algoritmo::Wireframe, tela, malha, camera);
    EXPECT_EQ(conta_pixels(tela, AMARELO), 0);
}

} // namespace
} // namespace quindra
