#include "app/sessao.hpp"
#include "geometry/numero_texto.hpp"
#include "view/reamostragem.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quindra {
namespace {

const std::string AMOSTRAS = QUINDRA_AMOSTRAS;

// Cx Cy Cz, Nx Ny Nz, Vx Vy Vz, d, hx, hy as typed into the fields.
using TextosDaCamera = std::array<const char*, 12>;
const TextosDaCamera OBLIQUA{"30",  "20", "90", "-0.3", "-0.2", "-1",
                             "0.2", "1",  "0",  "1",    "0.7",  "0.6"};
const TextosDaCamera DE_PERTO{"0", "-40", "60", "0", "0.5", "-1", "0", "1", "0", "1", "1", "1"};

void digita_camera(Parametros& parametros, const TextosDaCamera& camera) {
    CampoTexto* campos[] = {&parametros.Cx_edit, &parametros.Cy_edit, &parametros.Cz_edit,
                            &parametros.Nx_edit, &parametros.Ny_edit, &parametros.Nz_edit,
                            &parametros.Vx_edit, &parametros.Vy_edit, &parametros.Vz_edit,
                            &parametros.d_edit,  &parametros.hx_edit, &parametros.hy_edit};
    for (std::size_t i = 0; i < camera.size(); ++i) campos[i]->texto = camera[i];
}

std::vector<std::uint8_t> desenha(Sessao& sessao, Algoritmo algoritmo, const Parametros& parametros,
                                  std::optional<std::size_t> ate = {}) {
    const auto mensagem = sessao.desenha(algoritmo, parametros, ate);
    EXPECT_TRUE(mensagem && mensagem_de_sucesso(*mensagem)) << mensagem.value_or("(nenhuma)");
    return sessao.quadro().rgb();
}

// The torus sample loaded, the texture too, faces up to 1500 textured.
class SessaoComToro : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(mensagem_de_sucesso(sessao.carrega_objeto(AMOSTRAS + "/toro.txt")));
        ASSERT_FALSE(sessao.carrega_textura(AMOSTRAS + "/textura.bmp"));
        parametros.tFacef_edit.texto = "1500";
    }
    Sessao sessao;
    Parametros parametros;
};

// A frame depends on the parameters and the camera only: drawing a camera, then a turn of other
// cameras about the object (a close-up among them), then the first camera again gives the first
// frame back bit for bit, whatever the draws in between left in the depth buffer, the texture
// projection or the object's per-draw arrays.
TEST_F(SessaoComToro, QuadroNaoDependeDosDesenhosAnteriores) {
    parametros.tFacei_edit.texto = "100";
    sessao.carrega_centro(parametros);
    parametros.Angulo_edit.texto = "72";
    for (Algoritmo algoritmo :
         {Algoritmo::Flat, Algoritmo::GouraudPintor, Algoritmo::GouraudZBuffer, Algoritmo::Phong,
          Algoritmo::PhongTextura}) {
        const auto nome = descricao(algoritmo).nome;
        digita_camera(parametros, OBLIQUA);
        const auto primeiro = desenha(sessao, algoritmo, parametros);

        digita_camera(parametros, DE_PERTO);
        for (int quadro = 0; quadro < 5; ++quadro) {
            EXPECT_NE(desenha(sessao, algoritmo, parametros), primeiro) << nome << " " << quadro;
            ASSERT_TRUE(mensagem_de_sucesso(sessao.gira(parametros, EIXO_VERTICAL))) << nome;
        }

        digita_camera(parametros, OBLIQUA);
        EXPECT_EQ(desenha(sessao, algoritmo, parametros), primeiro) << nome;
    }
}

// The order replayed: the first K triangles each renderer paints. All of them (or more) are the
// usual frame, half of them are not, and none of them is the cleared frame with nothing in the
// depth buffer.
TEST_F(SessaoComToro, PrimeirosTriangulosDeCadaRenderizador) {
    digita_camera(parametros, OBLIQUA);
    const std::size_t todos = static_cast<std::size_t>(sessao.sistema.malha.NumTriangulos());
    const auto desenha_ate = [&](Algoritmo algoritmo, std::optional<std::size_t> ate) {
        return desenha(sessao, algoritmo, parametros, ate);
    };
    for (int escolha = 0; escolha <= 6; ++escolha) {
        const DescricaoAlgoritmo& a = ALGORITMOS[static_cast<std::size_t>(escolha)];
        // drawn twice: a wireframe's outline takes the pen the Draw before it left
        desenha_ate(a.algoritmo, std::nullopt);
        const auto normal = desenha_ate(a.algoritmo, std::nullopt);
        EXPECT_EQ(desenha_ate(a.algoritmo, todos), normal) << a.nome;
        EXPECT_EQ(desenha_ate(a.algoritmo, todos + 7), normal) << a.nome;
        const auto metade = desenha_ate(a.algoritmo, todos / 2);
        EXPECT_NE(metade, normal) << a.nome;
        desenha_ate(a.algoritmo, 0);
        int fundo = 0;
        for (int y = 2; y < 599; ++y)
            for (int x = 2; x < 599; ++x) fundo += sessao.quadro().pixel(x, y) == a.limpeza.fundo;
        EXPECT_EQ(fundo, 597 * 597) << a.nome;
        // the depth buffer holds nothing, so its picture is black
        if (a.profundidade) {
            EXPECT_EQ(sessao.profundidade()->rgb(), std::vector<std::uint8_t>(normal.size(), 0));
        }
    }
}

// Every algorithm side by side: each cell holds the frame its choice draws alone from the same
// frame, reduced by averaging in the shown sheet and whole in the full one, named and timed
// beneath; the session's frame and depth buffer stay as the last Draw left them.
TEST_F(SessaoComToro, FolhaComCadaAlgoritmo) {
    digita_camera(parametros, OBLIQUA);
    const auto quadro = desenha(sessao, Algoritmo::Phong, parametros);
    const auto profundidade = sessao.profundidade()->rgb();
    ASSERT_TRUE(sessao.compara(parametros));
    EXPECT_EQ(sessao.quadro().rgb(), quadro);
    EXPECT_EQ(sessao.profundidade()->rgb(), profundidade);

    const Folha mostrada = sessao.folha(200), inteira = sessao.folha(600);
    EXPECT_EQ(mostrada.imagem.largura(), 600);
    EXPECT_EQ(inteira.imagem.largura(), 1800);
    const auto celulas = sessao.folha_comparada();
    ASSERT_EQ(celulas.size(), ALGORITMOS.size());
    for (std::size_t i = 0; i < ALGORITMOS.size(); ++i) {
        const DescricaoAlgoritmo& a = ALGORITMOS[i];
        const auto sozinho = desenha(sessao, a.algoritmo, parametros);
        ASSERT_TRUE(celulas[i].quadro) << a.nome;
        EXPECT_EQ(celulas[i].quadro->rgb(), sozinho) << a.nome;
        const int coluna = static_cast<int>(i % 3), linha = static_cast<int>(i / 3);
        EXPECT_EQ(
            recorta(mostrada.imagem, 200 * coluna, mostrada.altura_celula * linha, 200, 200).rgb(),
            reamostra(sessao.quadro(), 200, 200).rgb())
            << a.nome;
        EXPECT_EQ(
            recorta(inteira.imagem, 600 * coluna, inteira.altura_celula * linha, 600, 600).rgb(),
            sozinho)
            << a.nome;
        EXPECT_EQ(mostrada.celula_em(200 * coluna + 199, mostrada.altura_celula * (linha + 1) - 1),
                  i);
        ASSERT_EQ(celulas[i].legenda.size(), 2u);
        EXPECT_EQ(celulas[i].legenda[0], sem_brancos(a.nome));
        EXPECT_TRUE(celulas[i].legenda[1].ends_with(" ms")) << celulas[i].legenda[1];
    }
    EXPECT_EQ(mostrada.celula_em(600, 0), std::nullopt);
}

// A choice that cannot draw shows its message in its cell, in letters over the empty square;
// with nothing loaded there is no sheet, and the last one stays.
TEST(Sessao, FolhaMostraAMensagemDeQuemNaoDesenha) {
    Sessao sessao;
    Parametros parametros;
    EXPECT_FALSE(sessao.compara(parametros));
    EXPECT_EQ(sessao.salva_folha("folha.png"), "Nenhuma comparação foi desenhada.");
    ASSERT_TRUE(mensagem_de_sucesso(sessao.carrega_objeto(AMOSTRAS + "/cubo.txt")));
    ASSERT_TRUE(sessao.compara(parametros));
    const auto celulas = sessao.folha_comparada();
    EXPECT_FALSE(celulas[6].quadro);
    EXPECT_EQ(celulas[6].mensagem, "Não há textura carregada.");
    EXPECT_EQ(celulas[6].legenda, std::vector<std::string>{"Phong Shading com Textura Projetada"});
    const Folha folha = sessao.folha(200);
    const auto quadrado = recorta(folha.imagem, 0, 2 * folha.altura_celula, 200, 200).rgb();
    const auto letras = std::ranges::count_if(quadrado, [](std::uint8_t c) { return c > 200; });
    EXPECT_GT(letras, 100);

    parametros.Cx_edit.texto = "x";
    ASSERT_TRUE(sessao.compara(parametros));
    EXPECT_EQ(sessao.folha_comparada()[0].mensagem, "C.x em formato inválido.");
}

} // namespace
} // namespace quindra
