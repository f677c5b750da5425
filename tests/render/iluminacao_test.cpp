#include "render/iluminacao.hpp"

#include <gtest/gtest.h>

namespace quindra {
namespace {

// A point at depth 10 straight ahead, its normal towards the eye, one white light at the eye.
class Ilumina : public ::testing::Test {
protected:
    void SetUp() override {
        ponto.atribui_vista(0, 0, 10);
        material.Od2 = Cor(200, 100, 0);
        material.Od1 = Cor(0, 50, 250);
        material.Kd = 0.5;
        cena.Ia = Cor(100, 100, 100);
        cena.Ka = 0.2;
        adiciona_luz(0, 0, 0);
    }
    void adiciona_luz(double x, double y, double z) {
        cena.Il.emplace_back(255, 255, 255);
        cena.Pl.emplace_back().atribui_vista(x, y, z);
    }
    void espera(const Cor& c, double r, double g, double b) {
        EXPECT_DOUBLE_EQ(c.r, r);
        EXPECT_DOUBLE_EQ(c.g, g);
        EXPECT_DOUBLE_EQ(c.b, b);
    }
    Ponto ponto;
    Vetor normal{0, 0, -1};
    Material material;
    Cena cena;
};

TEST_F(Ilumina, AmbienteMaisDifusa) {
    // 0.2 * 100 + 1 * (0.5 * 200 / 255) * 255 = 120, and so on
    espera(ilumina(ponto, normal, material, cena), 120, 70, 20);
}

TEST_F(Ilumina, EspecularNaDirecaoDoEspelho) {
    material.Ks = 0.5;
    material.Os2 = Cor(255, 255, 255);
    material.Rugosidade = 1;
    espera(ilumina(ponto, normal, material, cena), 247.5, 197.5, 147.5);

    material.Os2 = Cor(0, 0, 0); // a black highlight adds nothing
    espera(ilumina(ponto, normal, material, cena), 120, 70, 20);
    material.Os2 = Cor(255, 255, 255);
    material.Ks = 0; // no specular term, whatever the colour
    espera(ilumina(ponto, normal, material, cena), 120, 70, 20);
}

TEST_F(Ilumina, NormalDeCostasEscolheOLado1) {
    normal = Vetor(0, 0, 1);
    // Od1 = (0, 50, 250): 20 + (0, 25, 125)
    espera(ilumina(ponto, normal, material, cena), 20, 45, 145);
}

TEST_F(Ilumina, PontoVistoDeLadoFicaNoLado2) {
    normal = Vetor(1, 0, 0);             // V . N = 0
    cena.Pl[0].atribui_vista(10, 0, 10); // the light lies on the normal's side
    espera(ilumina(ponto, normal, material, cena), 120, 70, 20);
}

TEST_F(Ilumina, LuzNoPlanoDaSuperficieNaoSoma) {
    cena.Pl[0].atribui_vista(0, 5, 10);
    espera(ilumina(ponto, normal, material, cena), 20, 20, 20);
}

TEST_F(Ilumina, SemLuzesSoAmbiente) {
    cena.Il.clear();
    cena.Pl.clear();
    cena.Ia = Cor(253, 255, 251);
    cena.Ka = 0.5;
    espera(ilumina(ponto, normal, material, cena), 126.5, 127.5, 125.5);
}

TEST_F(Ilumina, SaturaPorCanal) {
    cena.Ia = Cor(255, 0, 0);
    cena.Ka = 1;
    espera(ilumina(ponto, normal, material, cena), 255, 50, 0);
}

TEST_F(Ilumina, RugosidadeAlargaOuEstreitaOBrilho) {
    material.Ks = 1;
    material.Os2 = Cor(255, 255, 255);
    material.Kd = 0;
    cena.Ka = 0;
    cena.Pl[0].atribui_vista(0, 4, 0); // off the mirror direction: rv in (0, 1)
    material.Rugosidade = 1;
    const double com_1 = ilumina(ponto, normal, material, cena).r;
    material.Rugosidade = 0.5;
    const double com_meio = ilumina(ponto, normal, material, cena).r;
    material.Rugosidade = 100;
    const double com_100 = ilumina(ponto, normal, material, cena).r;
    EXPECT_GT(com_meio, com_1);
    EXPECT_LT(com_100, com_1);
    EXPECT_GT(com_1, 0);
}

TEST_F(Ilumina, DuasLuzesSomam) {
    adiciona_luz(0, 0, 0);
    espera(ilumina(ponto, normal, material, cena), 220, 120, 20);
}

} // namespace
} // namespace quindra
