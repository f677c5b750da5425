#include <gtest/gtest.h>

#include "apoio/cena_teste.hpp"

namespace quindra {
namespace {

using teste::camera_inicial;
using teste::conta_pixels;
using teste::malha_mundo;
using teste::tela_nova;

TEST(ArameOculto, TrianguloMaisPertoInterrompeOContornoDoMaisLonge) {
    const Camera camera = camera_inicial();
    // Far (depth 150): corners (150, 300), (450, 300), (300, 150); its base runs along row 300.
    // Near (depth 100): corners (210, 390), (390, 390), (300, 210); it crosses row 300 between
    // columns 255 and 345.
    Malha malha = malha_mundo({Ponto(-75, 0, 50), Ponto(75, 0, 50), Ponto(0, 75, 50),
                               Ponto(-30, -30, 100), Ponto(30, -30, 100), Ponto(0, 30, 100)},
                              {{1, 2, 3}, {4, 5, 6}});
    Bitmap tela = tela_nova();
    teste::desenha(Algoritmo::WireframeOculto, tela, malha, camera);
    teste::guarda_para_olhar(tela, "arame-oculto");

    EXPECT_EQ(tela.pixel(200, 300), AMARELO); // the far base, left of the near triangle
    EXPECT_EQ(tela.pixel(400, 300), AMARELO); // and right of it
    EXPECT_EQ(tela.pixel(300, 300), PRETO);   // hidden behind the near interior
    EXPECT_EQ(tela.pixel(300, 390), AMARELO); // the near outline is whole: its base,
    EXPECT_EQ(tela.pixel(280, 250), AMARELO); // its left edge inside the far triangle
    EXPECT_EQ(tela.pixel(320, 250), AMARELO); // and its right edge
    EXPECT_EQ(tela.pixel(300, 200), PRETO);   // the far interior
    EXPECT_EQ(tela.pixel(1, 300), AMARELO);   // the clearing outline is yellow
}

TEST(ArameOculto, OrdenaAVistaDoMaisPertoAoMaisLonge) {
    const Camera camera = camera_inicial();
    Malha malha = malha_mundo({Ponto(0, 0, 0), Ponto(1, 0, 0), Ponto(0, 1, 0), Ponto(0, 0, 50),
                               Ponto(1, 0, 50), Ponto(0, 1, 50)},
                              {{1, 2, 3}, {4, 5, 6}});
    Bitmap tela = tela_nova();
    teste::Desenhista desenhista;
    desenhista.desenha(Algoritmo::WireframeOculto, tela, malha, camera);
    const Vista& vista = desenhista.vista;
    EXPECT_EQ(vista.ordem, (std::vector<std::uint32_t>{1, 0}));
    EXPECT_LT(vista.distancia[1], vista.distancia[0]);
    EXPECT_EQ(malha.Triangulos[0].vertice1, 1); // the object keeps its file order
}

TEST(ArameOculto, TrianguloAtrasDoPlanoNaoPintaNemEsconde) {
    const Camera camera = camera_inicial();
    Malha malha = malha_mundo({Ponto(-50, -50, 0), Ponto(50, -50, 0), Ponto(0, 50, 0),
                               Ponto(-50, -50, 199.5), Ponto(50, -50, 199.5), Ponto(0, 50, 199.5)},
                              {{1, 2, 3}, {4, 5, 6}});
    Bitmap tela = tela_nova();
    teste::desenha(Algoritmo::WireframeOculto, tela, malha, camera);
    EXPECT_EQ(tela.pixel(300, 375), AMARELO); // the far triangle's base, at y = -50 / 200
}

TEST(Tetraedro, SeisArestasDosQuatroPrimeirosPontosSemRecorte) {
    const Camera camera = camera_inicial();
    // A corner behind the camera is projected all the same (mirrored through the centre).
    Malha malha = malha_mundo({Ponto(0, 0, 100), Ponto(50, 0, 100), Ponto(0, 50, 100),
                               Ponto(-20, -20, 300), Ponto(90, 90, 100)},
                              {{5, 5, 5}});
    Bitmap tela = tela_nova();
    teste::desenha(Algoritmo::WireframeTetraedro, tela, malha, camera);
    teste::guarda_para_olhar(tela, "tetraedro");
    EXPECT_EQ(tela.pixel(400, 300), AMARELO); // A-B along row 300
    EXPECT_EQ(tela.pixel(300, 250), AMARELO); // A-C along column 300
    // D at depth -100 projects to xn = -20 / -100 = 0.2: (360, 240), as if in front.
    EXPECT_EQ(tela.pixel(330, 270), AMARELO); // A-D
    EXPECT_EQ(tela.pixel(570, 30), PRETO);    // point 5 is ignored
    EXPECT_EQ(tela.pixel(1, 300), PRETO);     // first draw: the black pen's outline
}

TEST(Tetraedro, ObjetoDeTresPontosDesenhaSoOTriangulo) {
    const Camera camera = camera_inicial();
    Malha malha =
        malha_mundo({Ponto(0, 0, 100), Ponto(50, 0, 100), Ponto(0, 50, 100)}, {{1, 2, 3}});
    Bitmap tela = tela_nova();
    teste::desenha(Algoritmo::WireframeTetraedro, tela, malha, camera);
    EXPECT_EQ(tela.pixel(400, 300), AMARELO);
    EXPECT_EQ(tela.pixel(300, 250), AMARELO);
    EXPECT_EQ(tela.pixel(375, 225), AMARELO); // B-C
}

TEST(Tetraedro, ArestaComPontaNaProfundidadeZeroEhPulada) {
    const Camera camera = camera_inicial();
    Malha malha = malha_mundo(
        {Ponto(0, 0, 100), Ponto(50, 0, 100), Ponto(0, 50, 100), Ponto(10, 10, 200)}, {{1, 2, 3}});
    Bitmap tela = tela_nova();
    teste::desenha(Algoritmo::WireframeTetraedro, tela, malha, camera);
    // Only the three edges among A, B, C: each about 150 pixels.
    EXPECT_LT(conta_pixels(tela, AMARELO), 3 * 151);
    EXPECT_EQ(tela.pixel(375, 225), AMARELO);
}

} // namespace
} // namespace quindra
