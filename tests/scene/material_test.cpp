#include "scene/material.hpp"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace quindra {
namespace {

using Campo = std::string_view TextosMaterial::*;

// The window's default texts.
TextosMaterial padroes() {
    return {"255", "255", "0",   // Od1
            "255", "255", "0",   // Od2
            "255", "255", "255", // Os1
            "255", "255", "255", // Os2
            "0.5", "0.5", "1"};
}

// A different number in every field, to see where each one lands.
TextosMaterial distintos() {
    return {"1",    "2",    "3",  // Od1
            "4",    "5",    "6",  // Od2
            "7",    "8",    "9",  // Os1
            "10",   "11",   "12", // Os2
            "0.25", "0.75", "3"};
}

// Every field in the order the reader checks them, with the message it reports.
struct CampoVerificado {
    Campo campo;
    const char* mensagem;
};
const CampoVerificado ORDEM_DE_VERIFICACAO[] = {
    {&TextosMaterial::OdiRed, "Od L1(red) em formato inválido."},
    {&TextosMaterial::OdiGreen, "Od L1(green) em formato inválido."},
    {&TextosMaterial::OdiBlue, "Od L1(blue) em formato inválido."},
    {&TextosMaterial::OsiRed, "Os L1(red) em formato inválido."},
    {&TextosMaterial::OsiGreen, "Os L1(green) em formato inválido."},
    {&TextosMaterial::OsiBlue, "Os L1(blue) em formato inválido."},
    {&TextosMaterial::Kd, "kd em formato inválido."},
    {&TextosMaterial::Ks, "ks em formato inválido."},
    {&TextosMaterial::rugosidade, "Rugosidade em formato inválido."},
    {&TextosMaterial::OdeRed, "Od L2(red) em formato inválido."},
    {&TextosMaterial::OdeGreen, "Od L2(green) em formato inválido."},
    {&TextosMaterial::OdeBlue, "Od L2(blue) em formato inválido."},
    {&TextosMaterial::OseRed, "Os L2(red) em formato inválido."},
    {&TextosMaterial::OseGreen, "Os L2(green) em formato inválido."},
    {&TextosMaterial::OseBlue, "Os L2(blue) em formato inválido."},
};

void espera_cor(const Cor& c, double r, double g, double b) {
    EXPECT_EQ(c.r, r);
    EXPECT_EQ(c.g, g);
    EXPECT_EQ(c.b, b);
}

TEST(LeAtributosObjeto, PadroesDaJanela) {
    Material m;
    EXPECT_EQ(le_atributos_objeto(m, padroes()), std::string(39, ' '));
    espera_cor(m.Od1, 255, 255, 0);
    espera_cor(m.Od2, 255, 255, 0);
    espera_cor(m.Os1, 255, 255, 255);
    espera_cor(m.Os2, 255, 255, 255);
    EXPECT_EQ(m.Kd, 0.5);
    EXPECT_EQ(m.Ks, 0.5);
    EXPECT_EQ(m.Rugosidade, 1);
}

TEST(LeAtributosObjeto, CadaCampoVaiParaSeuLugar) {
    Material m;
    ASSERT_EQ(le_atributos_objeto(m, distintos()), std::string(39, ' '));
    espera_cor(m.Od1, 1, 2, 3);
    espera_cor(m.Od2, 4, 5, 6);
    espera_cor(m.Os1, 7, 8, 9);
    espera_cor(m.Os2, 10, 11, 12);
    EXPECT_EQ(m.Kd, 0.25);
    EXPECT_EQ(m.Ks, 0.75);
    EXPECT_EQ(m.Rugosidade, 3);
}

TEST(LeAtributosObjeto, PrimeiroCampoRuimDecide) {
    constexpr std::size_t total = std::size(ORDEM_DE_VERIFICACAO);
    for (std::size_t i = 0; i < total; ++i) {
        // alone, and together with every field checked after it
        TextosMaterial sozinho = padroes(), com_posteriores = padroes();
        sozinho.*ORDEM_DE_VERIFICACAO[i].campo = "x";
        for (std::size_t j = i; j < total; ++j) com_posteriores.*ORDEM_DE_VERIFICACAO[j].campo = "";
        Material m;
        EXPECT_EQ(le_atributos_objeto(m, sozinho), ORDEM_DE_VERIFICACAO[i].mensagem) << i;
        EXPECT_EQ(le_atributos_objeto(m, com_posteriores), ORDEM_DE_VERIFICACAO[i].mensagem) << i;
    }
}

TEST(LeAtributosObjeto, Limites) {
    struct Caso {
        Campo campo;
        std::string_view texto;
        bool aceito;
    };
    const Caso casos[] = {
        {&TextosMaterial::OdiRed, "255.9", true},
        {&TextosMaterial::OdiRed, "256", false},
        {&TextosMaterial::OdiRed, "-0.1", false},
        {&TextosMaterial::OdiRed, "0", true},
        {&TextosMaterial::OseBlue, "255.5", true},
        {&TextosMaterial::OseBlue, "2.56e2", false},
        {&TextosMaterial::OsiGreen, " 12 ", true},
        {&TextosMaterial::OsiGreen, "1e400", false},
        {&TextosMaterial::OdeGreen, "nan", false},
        {&TextosMaterial::OdeGreen, "inf", false},
        {&TextosMaterial::Kd, "0", true},
        {&TextosMaterial::Kd, "1", true},
        {&TextosMaterial::Kd, "1.0001", false},
        {&TextosMaterial::Kd, "-1e-9", false},
        {&TextosMaterial::Ks, "0,5", false},
        {&TextosMaterial::Ks, "", false},
        {&TextosMaterial::rugosidade, "0", false},
        {&TextosMaterial::rugosidade, "-1", false},
        {&TextosMaterial::rugosidade, "1e-300", true},
        {&TextosMaterial::rugosidade, "1000", true},
    };
    for (const auto& c : casos) {
        TextosMaterial t = padroes();
        t.*c.campo = c.texto;
        Material m;
        const std::string mensagem = le_atributos_objeto(m, t);
        EXPECT_EQ(mensagem[0] == ' ', c.aceito) << c.texto << ": " << mensagem;
    }
}

TEST(LeAtributosObjeto, FalhaMantemCoresMasNaoOsEscalares) {
    struct Caso {
        Campo ruim;
        std::string_view texto;
        double kd, ks, rugosidade; // what the failed read leaves
    };
    // The scalars of the new texts are 0.25, 0.75 and 3; the previous ones 0.5, 0.5 and 1.
    const Caso casos[] = {
        {&TextosMaterial::OdiRed, "?", 0.5, 0.5, 1},
        {&TextosMaterial::Kd, "5", 5, 0.5, 1}, // out of range, yet already stored
        {&TextosMaterial::Ks, "?", 0.25, 0.5, 1},
        {&TextosMaterial::OdeRed, "?", 0.25, 0.75, 3},
    };
    for (const auto& c : casos) {
        Material m;
        ASSERT_EQ(le_atributos_objeto(m, padroes())[0], ' ');
        TextosMaterial t = distintos();
        t.*c.ruim = c.texto;
        EXPECT_NE(le_atributos_objeto(m, t)[0], ' ');
        espera_cor(m.Od1, 255, 255, 0);
        espera_cor(m.Od2, 255, 255, 0);
        espera_cor(m.Os1, 255, 255, 255);
        espera_cor(m.Os2, 255, 255, 255);
        EXPECT_EQ(m.Kd, c.kd);
        EXPECT_EQ(m.Ks, c.ks);
        EXPECT_EQ(m.Rugosidade, c.rugosidade);
    }
}

} // namespace
} // namespace quindra
