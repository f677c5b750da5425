#include <gtest/gtest.h>

#include "apoio/cena_teste.hpp"
#include "render/iluminacao.hpp"

namespace quindra {
namespace {

using teste::camera_inicial;
using teste::conta_pixels;
using teste::malha_mundo;
using teste::tela_nova;

// One white light at the camera, a dim ambient light, a matt yellow-red surface.
class Flat : public ::testing::Test {
protected:
    void SetUp() override {
        material.Od2 = Cor(200, 100, 0);
        material.Od1 = Cor(0, 0, 250);
        material.Kd = 0.5;
        cena.Ia = Cor(100, 100, 100);
        cena.Ka = 0.2;
        poe_luz(Ponto(0, 0, 200));
    }
    void poe_luz(const Ponto& mundo) { teste::poe_luz_branca(cena, mundo); }
    Bitmap desenha(const Malha& malha, const ModoTetraedro& modo = {}) {
        Bitmap tela = tela_nova();
        desenhista.modo = modo;
        desenhista.desenha(Algoritmo::Flat, tela, malha, camera, material, cena);
        return tela;
    }
    // A triangle facing the camera at depth 100, its centroid on the viewing axis.
    Malha de_frente() {
        return malha_mundo({Ponto(-10, -10, 100), Ponto(10, -10, 100), Ponto(0, 20, 100)},
                           {{1, 2, 3}});
    }
    Camera camera = camera_inicial();
    Material material;
    Cena cena;
    teste::Desenhista desenhista;
};

TEST_F(Flat, TrianguloDeFrenteTemUmaCorSo) {
    Malha malha = de_frente();
    const Bitmap tela = desenha(malha);
    const CorPixel esperada{120, 70, 20};
    EXPECT_EQ(tela.pixel(300, 300), esperada);
    EXPECT_EQ(tela.pixel(300, 330), esperada); // on the bottom edge: the outline too
    EXPECT_EQ(tela.pixel(300, 250), esperada);
    EXPECT_EQ(tela.pixel(300, 331), PRETO);
    EXPECT_EQ(tela.pixel(300, 200), PRETO);
    EXPECT_EQ(tela.pixel(1, 300), AMARELO);
    EXPECT_EQ(conta_pixels(tela, esperada) + conta_pixels(tela, PRETO), 597 * 597);
}

TEST_F(Flat, CoresArredondadasMetadeParaOPar) {
    material.Ks = 0.5;
    material.Os2 = Cor(255, 255, 255);
    material.Rugosidade = 1;
    Malha malha = de_frente();
    EXPECT_EQ(desenha(malha).pixel(300, 300), (CorPixel{248, 198, 148}));

    cena = Cena{};
    cena.Ia = Cor(253, 255, 251);
    cena.Ka = 0.5;
    EXPECT_EQ(desenha(malha).pixel(300, 300), (CorPixel{126, 128, 126}));
}

TEST_F(Flat, CentroideMaisPertoFicaPorCima) {
    // The far triangle is wound the other way: it shows side 1, blue.
    Malha malha = malha_mundo({Ponto(-10, -10, 100), Ponto(10, -10, 100), Ponto(0, 20, 100),
                               Ponto(-40, -40, 0), Ponto(0, 80, 0), Ponto(40, -40, 0)},
                              {{1, 2, 3}, {4, 5, 6}});
    const Bitmap tela = desenha(malha);
    teste::guarda_para_olhar(tela, "flat-sobreposicao");
    EXPECT_EQ(tela.pixel(300, 300), (CorPixel{120, 70, 20}));
    const CorPixel azul = tela.pixel(300, 200); // the far triangle above the near one
    EXPECT_EQ(azul.r, 20);
    EXPECT_GT(azul.b, 100);
}

TEST_F(Flat, ObjetoTodoAtrasDoPlanoDeixaPretoComMolduraAmarela) {
    Malha malha = malha_mundo({Ponto(-10, -10, 199.5), Ponto(10, -10, 199.5), Ponto(0, 20, 199.5)},
                              {{1, 2, 3}});
    const Bitmap tela = desenha(malha);
    EXPECT_EQ(conta_pixels(tela, PRETO), 597 * 597);
    EXPECT_EQ(tela.pixel(599, 599), AMARELO);
}

TEST_F(Flat, TrianguloCortadoViraQuadrilateroIluminadoNoCentroDosQuatro) {
    // Camera coordinates P1 = (0, -1, 0.5), P2 = (-2, 1, 3), P3 = (2, 1, 3): the cuts at
    // t = 0.2 give (-+0.4, -0.6, 1), and the four vertices average to (0, 0.2, 2).
    Malha malha =
        malha_mundo({Ponto(0, -1, 199.5), Ponto(-2, 1, 197), Ponto(2, 1, 197)}, {{1, 2, 3}});
    poe_luz(Ponto(0, 5, 200));
    const Bitmap tela = desenha(malha);
    teste::guarda_para_olhar(tela, "flat-cortado");

    Ponto centro;
    centro.atribui_vista(0, 0.2, 2);
    const Cor cor = ilumina(centro, desenhista.vista.normal[0], material, desenhista.vista.cena);
    const CorPixel esperada{static_cast<std::uint8_t>(std::nearbyint(cor.r)),
                            static_cast<std::uint8_t>(std::nearbyint(cor.g)),
                            static_cast<std::uint8_t>(std::nearbyint(cor.b))};
    EXPECT_EQ(tela.pixel(300, 400), esperada);
    EXPECT_EQ(tela.pixel(181, 479), esperada); // near the cut corner C12 at (180, 480)
    EXPECT_EQ(tela.pixel(300, 490), PRETO);    // the cut-away part
}

class FlatTetraedros : public Flat {
protected:
    // Eight small triangles facing the camera: tetrahedron 1 on the left, 2 on the right. A
    // far light straight ahead and no ambient light leave each its full diffuse colour.
    void SetUp() override {
        Flat::SetUp();
        material.Kd = 1;
        cena.Ka = 0;
        poe_luz(Ponto(0, 0, 1e6));
    }
    Malha oito() {
        return malha_mundo({Ponto(-40, -5, 100), Ponto(-30, -5, 100), Ponto(-35, 5, 100),
                            Ponto(30, -5, 100), Ponto(40, -5, 100), Ponto(35, 5, 100)},
                           {{1, 2, 3},
                            {1, 2, 3},
                            {1, 2, 3},
                            {1, 2, 3},
                            {4, 5, 6},
                            {4, 5, 6},
                            {4, 5, 6},
                            {4, 5, 6}});
    }
    TabelaDeTetraedros tabela;
};

TEST_F(FlatTetraedros, DesabilitadoSomeEColoridoUsaSuaCor) {
    Malha malha = oito();
    tabela[0].habilitado = false;
    tabela[1].cor = Cor(0, 0, 255);
    const Bitmap tela = desenha(malha, {true, &tabela});
    EXPECT_EQ(tela.pixel(195, 300), PRETO); // tetrahedron 1 left out
    EXPECT_EQ(tela.pixel(405, 300), (CorPixel{0, 0, 255}));

    // The material itself is untouched, and without the mode both are drawn in its colours.
    EXPECT_EQ(material.Od2.r, 200);
    const Bitmap sem_modo = desenha(malha);
    EXPECT_EQ(sem_modo.pixel(195, 300), (CorPixel{200, 100, 0}));
    EXPECT_EQ(sem_modo.pixel(405, 300), (CorPixel{200, 100, 0}));
}

TEST_F(FlatTetraedros, NumeroForaDaTabelaUsaAsCoresDoMaterial) {
    Malha malha = oito();
    for (auto& t : malha.Triangulos) t.tetraedro = 81;
    malha.Triangulos[0].tetraedro = 0;
    for (auto& entrada : tabela) entrada.habilitado = false;
    const Bitmap tela = desenha(malha, {true, &tabela});
    EXPECT_EQ(tela.pixel(195, 300), (CorPixel{200, 100, 0}));
    EXPECT_EQ(tela.pixel(405, 300), (CorPixel{200, 100, 0}));
}

} // namespace
} // namespace quindra
