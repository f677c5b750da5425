#include "scene/cena.hpp"

#include <gtest/gtest.h>
#include <string>

#include "geometry/numero_texto.hpp"

namespace quindra {
namespace {

// --- ambient light ---

using CampoAmbiente = std::string_view TextosAmbiente::*;

TEST(LeAmbiente, GuardaIaEKa) {
    Cena cena;
    EXPECT_EQ(le_ambiente(cena, {"10", "20.5", "255.5", "1"}), std::string(39, ' '));
    EXPECT_EQ(cena.Ia.r, 10);
    EXPECT_EQ(cena.Ia.g, 20.5);
    EXPECT_EQ(cena.Ia.b, 255.5);
    EXPECT_EQ(cena.Ka, 1);
}

TEST(LeAmbiente, PrimeiroCampoRuimDecide) {
    const struct {
        CampoAmbiente campo;
        const char* mensagem;
    } ordem[] = {
        {&TextosAmbiente::IaRed, "Ia(red) em formato inválido."},
        {&TextosAmbiente::IaGreen, "Ia(green) em formato inválido."},
        {&TextosAmbiente::IaBlue, "Ia(blue) em formato inválido."},
        {&TextosAmbiente::Ka, "Ka em formato inválido."},
    };
    for (std::size_t i = 0; i < std::size(ordem); ++i) {
        TextosAmbiente t{"255", "255", "255", "0.5"};
        for (std::size_t j = i; j < std::size(ordem); ++j) t.*ordem[j].campo = "x";
        Cena cena;
        EXPECT_EQ(le_ambiente(cena, t), ordem[i].mensagem) << i;
    }
}

TEST(LeAmbiente, Limites) {
    const struct {
        CampoAmbiente campo;
        std::string_view texto;
        bool aceito;
    } casos[] = {
        {&TextosAmbiente::IaRed, "255.5", true},   {&TextosAmbiente::IaRed, "256", false},
        {&TextosAmbiente::IaGreen, "-0.1", false}, {&TextosAmbiente::IaBlue, "0", true},
        {&TextosAmbiente::IaBlue, "", false},      {&TextosAmbiente::Ka, "0", true},
        {&TextosAmbiente::Ka, "1", true},          {&TextosAmbiente::Ka, "1.5", false},
        {&TextosAmbiente::Ka, "-0.5", false},      {&TextosAmbiente::Ka, "0,5", false},
    };
    for (const auto& c : casos) {
        TextosAmbiente t{"255", "255", "255", "0.5"};
        t.*c.campo = c.texto;
        Cena cena;
        EXPECT_EQ(le_ambiente(cena, t)[0] == ' ', c.aceito) << c.texto;
    }
}

TEST(LeAmbiente, FalhaMantemIaMasKaConvertidoFica) {
    Cena cena;
    ASSERT_EQ(le_ambiente(cena, {"1", "2", "3", "0.5"})[0], ' ');

    EXPECT_EQ(le_ambiente(cena, {"9", "9", "9", "1.5"}), "Ka em formato inválido.");
    EXPECT_EQ(cena.Ka, 1.5);
    EXPECT_EQ(le_ambiente(cena, {"9", "300", "9", "0.25"}), "Ia(green) em formato inválido.");
    EXPECT_EQ(cena.Ka, 1.5); // never reached
    EXPECT_EQ(cena.Ia.r, 1);
    EXPECT_EQ(cena.Ia.g, 2);
    EXPECT_EQ(cena.Ia.b, 3);
}

// --- light sources ---

// n lights, light k with intensity (k, k, k) at world (k, -k, 2k).
TextosDasFontes luzes(int n) {
    TextosDasFontes lista;
    for (int k = 1; k <= n; ++k) {
        const std::string v = formata_real(k);
        lista.insert(lista.end(), {v, v, v, v, "-" + v, formata_real(2 * k)});
    }
    return lista;
}

TEST(LeFontes, SoLuzesInteirasContam) {
    TextosDasFontes lista = luzes(2);
    lista.push_back("nem um numero"); // short of a light: never read
    Cena cena;
    EXPECT_EQ(le_fontes(cena, lista), std::string(44, ' '));
    ASSERT_EQ(cena.NumFontes(), 2);
    ASSERT_EQ(cena.Il.size(), 2u);
    ASSERT_EQ(cena.Pl.size(), 2u);
    EXPECT_EQ(cena.Il[1].g, 2);
    EXPECT_EQ(cena.Pl[1].x, 2);
    EXPECT_EQ(cena.Pl[1].y, -2);
    EXPECT_EQ(cena.Pl[1].z, 4);
    // the camera coordinates wait for the viewing transform
    EXPECT_EQ(cena.Pl[1].xv, 0);
    EXPECT_EQ(cena.Pl[1].yv, 0);
    EXPECT_EQ(cena.Pl[1].zv, 0);
}

TEST(LeFontes, ListaVaziaApagaAsLuzesAnteriores) {
    Cena cena;
    ASSERT_EQ(le_fontes(cena, luzes(3)), std::string(44, ' '));
    EXPECT_EQ(le_fontes(cena, {}), std::string(44, ' '));
    EXPECT_EQ(cena.NumFontes(), 0);
    EXPECT_TRUE(cena.Il.empty());
    EXPECT_TRUE(cena.Pl.empty());
}

TEST(LeFontes, MensagensNomeiamLuzECampo) {
    struct Caso {
        int luz;
        std::size_t campo;
        std::string texto;
        const char* mensagem;
    };
    const Caso casos[] = {
        {1, 0, "x", "Cor da Fonte 1 com erro (red)."},
        {1, 1, "x", "Cor da Fonte 1 com erro (green)."},
        {1, 2, "x", "Cor da Fonte 1 com erro (blue)."},
        {1, 3, "x", "Posição da Fonte 1 com erro (Coord x)."},
        {1, 4, "x", "Posição da Fonte 1 com erro (Coord y)."},
        {1, 5, "x", "Posição da Fonte 1 com erro (Coord z)."},
        {2, 4, "1,5", "Posição da Fonte 2 com erro (Coord y)."},
        {10, 2, "", "Cor da Fonte 10 com erro (blue)."},
        {12, 0, "255.01", "Cor da Fonte 12 com erro (red)."},
        {7, 1, "-0.01", "Cor da Fonte 7 com erro (green)."},
        {3, 2, "256", "Cor da Fonte 3 com erro (blue)."},
        {3, 5, "1e400", "Posição da Fonte 3 com erro (Coord z)."},
    };
    for (const auto& c : casos) {
        TextosDasFontes lista = luzes(12);
        lista[CAMPOS_POR_FONTE * (c.luz - 1) + c.campo] = c.texto;
        // every field after the first bad one is bad too, later lights included: a bad
        // intensity wins over a bad position of the same light
        for (std::size_t e = CAMPOS_POR_FONTE * (c.luz - 1) + c.campo + 1; e < lista.size(); ++e)
            lista[e] = "?";
        Cena cena;
        ASSERT_EQ(le_fontes(cena, luzes(3))[0], ' ');
        EXPECT_EQ(le_fontes(cena, lista), c.mensagem);
        // not even the lights before the bad one are left
        EXPECT_EQ(cena.NumFontes(), 0);
        EXPECT_TRUE(cena.Il.empty());
        EXPECT_TRUE(cena.Pl.empty());
    }
}

TEST(LeFontes, IntensidadeVaiAte255PosicaoNaoTemLimite) {
    const struct {
        std::size_t campo;
        std::string texto;
    } aceitos[] = {{0, "255"},   {1, "255.0"},  {2, "0"},       {0, "-0"},
                   {3, "1e300"}, {4, "-1e300"}, {5, " 1.5E-7 "}};
    for (const auto& c : aceitos) {
        TextosDasFontes lista = luzes(1);
        lista[c.campo] = c.texto;
        Cena cena;
        EXPECT_EQ(le_fontes(cena, lista), std::string(44, ' ')) << c.texto;
        EXPECT_EQ(cena.NumFontes(), 1);
    }
}

} // namespace
} // namespace quindra
