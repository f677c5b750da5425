#include "app/sessao.hpp"

#include <gtest/gtest.h>

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

} // namespace
} // namespace quindra
