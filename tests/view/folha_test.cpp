#include "view/folha.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "view/letreiro.hpp"

namespace quindra {
namespace {

// Lines are broken at blanks and never run wider than asked; a word wider than a line goes in
// pieces; what is not UTF-8 is drawn as a mark, and text past the frame's edges is cut off.
TEST(Folha, LetrasQuebradasEEscritas) {
    const TipoDeLetra letra(12);
    ASSERT_GT(letra.altura_linha(), 12);
    const std::string frase = "Phong Shading com Textura Projetada";
    const auto linhas = letra.quebra(frase, 120);
    ASSERT_GT(linhas.size(), 1u);
    std::string juntas;
    for (const std::string& linha : linhas) {
        EXPECT_LE(letra.largura(linha), 120) << linha;
        juntas += (juntas.empty() ? "" : " ") + linha;
    }
    EXPECT_EQ(juntas, frase);
    const auto pedacos = letra.quebra("Inconstitucionalíssimamente", 40);
    EXPECT_GT(pedacos.size(), 2u);
    for (const std::string& pedaco : pedacos) EXPECT_LE(letra.largura(pedaco), 40) << pedaco;
    EXPECT_TRUE(letra.quebra("   ", 40).empty());

    for (const std::string texto : {"ç\xC3", "\xFF\xFE", "\xE0\x80\x80", "\xED\xA0\x80"}) {
        Bitmap quadro(60, 20);
        letra.escreve(quadro, -5, -3, texto, PRETO);
        letra.escreve(quadro, 55, 15, texto, PRETO);
        EXPECT_GT(letra.largura(texto), 0);
        EXPECT_TRUE(std::ranges::any_of(quadro.rgb(), [](std::uint8_t c) { return c < 128; }));
    }
}

// Cells touch, row after row; the caption band is as tall as the longest caption needs, and a
// message takes the frame's place.
TEST(Folha, CelulasELegendas) {
    std::vector<CelulaFolha> celulas(4);
    for (CelulaFolha& celula : celulas) {
        celula.quadro = Bitmap(60, 60);
        celula.legenda = {"Flat"};
    }
    celulas[1].legenda = {"Gouraud Shading com z-Buffer", "12 ms"};
    celulas[3].quadro.reset();
    celulas[3].mensagem = "Não há textura carregada.";
    const Folha curta = compoe_folha(std::span(celulas).first(1), 3, 60);
    const Folha folha = compoe_folha(celulas, 3, 60);
    EXPECT_EQ(folha.imagem.largura(), 180);
    EXPECT_EQ(folha.imagem.altura(), 2 * folha.altura_celula);
    EXPECT_GT(folha.altura_celula, curta.altura_celula);
    EXPECT_EQ(folha.imagem.pixel(30, 30), BRANCO);                             // the first frame
    EXPECT_EQ(folha.imagem.pixel(150, 30), BRANCO);                            // the third
    EXPECT_EQ(folha.imagem.pixel(150, folha.altura_celula + 30), FUNDO_FOLHA); // no fifth
    EXPECT_EQ(folha.celula_em(0, 0), 0u);
    EXPECT_EQ(folha.celula_em(179, folha.altura_celula), 5u);
    EXPECT_EQ(folha.celula_em(180, 0), std::nullopt);
    EXPECT_EQ(folha.celula_em(0, -1), std::nullopt);

    int mensagem = 0;
    for (int y = folha.altura_celula; y < folha.altura_celula + 60; ++y)
        for (int x = 0; x < 60; ++x) mensagem += folha.imagem.pixel(x, y) != FUNDO_FOLHA;
    EXPECT_GT(mensagem, 20);
}

} // namespace
} // namespace quindra
