#include "app/sessao.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
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

std::vector<std::uint8_t> desenha(Sessao& sessao, Algoritmo algoritmo,
                                  const Parametros& parametros) {
    const auto mensagem = sessao.desenha(algoritmo, parametros);
    EXPECT_TRUE(mensagem && mensagem_de_sucesso(*mensagem)) << mensagem.value_or("(nenhuma)");
    return sessao.quadro().rgb();
}

// A frame depends on the parameters and the camera only: drawing a camera, then a turn of other
// cameras about the object (a close-up among them), then the first camera again gives the first
// frame back bit for bit, whatever the draws in between left in the depth buffer, the texture
// projection or the object's per-draw arrays.
TEST(Sessao, QuadroNaoDependeDosDesenhosAnteriores) {
    Sessao sessao;
    Parametros parametros;
    ASSERT_TRUE(mensagem_de_sucesso(sessao.carrega_objeto(AMOSTRAS + "/toro.txt")));
    ASSERT_FALSE(sessao.carrega_textura(AMOSTRAS + "/textura.bmp"));
    parametros.tFacei_edit.texto = "100";
    parametros.tFacef_edit.texto = "1500";
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

} // namespace
} // namespace quindra
