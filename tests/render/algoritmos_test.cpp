#include "render/algoritmos.hpp"

#include <gtest/gtest.h>

#include "apoio/cena_teste.hpp"

namespace quindra {
namespace {

TEST(Algoritmos, TabelaNaOrdemDaListaDeEscolhas) {
    for (std::size_t i = 0; i < ALGORITMOS.size(); ++i) {
        const auto algoritmo = algoritmo_da_escolha(static_cast<int>(i));
        ASSERT_TRUE(algoritmo);
        EXPECT_EQ(descricao(*algoritmo).algoritmo, *algoritmo);
        EXPECT_EQ(static_cast<std::size_t>(*algoritmo), i);
    }
    EXPECT_FALSE(algoritmo_da_escolha(-1));
    EXPECT_FALSE(algoritmo_da_escolha(static_cast<int>(ALGORITMOS.size())));
    EXPECT_EQ(descricao(Algoritmo::PhongTextura).nome, "Phong Shading com Textura Projetada ");
}

// Each choice does the set-up its row asks for, and only that: the lights are moved into
// camera space in the view (never in the scene) when it lights the object, the depth buffer
// exists when it tests depth or leaves its depths (the ray tracer), and the frame is painted
// unless it lacks its texture.
TEST(Algoritmos, PreparoDeCadaEscolha) {
    const Camera camera = teste::camera_inicial();
    const Bitmap textura(1, 1);
    for (const DescricaoAlgoritmo& a : ALGORITMOS) {
        for (const bool com_textura : {true, false}) {
            const Malha malha = teste::malha_mundo(
                {Ponto(-50, -50, 0), Ponto(50, -50, 0), Ponto(0, 50, 0)}, {{1, 2, 3}});
            const Cena cena{Cor(255, 255, 255), 0.5, {Cor(255, 255, 255)}, {Ponto(0, 0, 100)}};
            Bitmap tela(LADO_TELA, LADO_TELA);
            teste::Desenhista desenhista;
            desenhista.textura = com_textura ? &textura : nullptr;
            desenhista.desenha(a.algoritmo, tela, malha, camera, Material{}, cena);

            const bool pinta = com_textura || !a.textura;
            const std::string nome = std::string(a.nome) + (com_textura ? "+" : "-");
            const Vista& vista = desenhista.vista;
            EXPECT_EQ(tela.pixel(300, 599) != BRANCO, pinta) << nome;
            EXPECT_EQ(desenhista.profundidade.has_value(), pinta && a.deixa_profundidade()) << nome;
            EXPECT_EQ(!vista.cena.Pl.empty() && vista.cena.Pl[0].zv == 100, pinta && a.iluminacao)
                << nome;
            EXPECT_EQ(cena.Pl[0].zv, 0) << nome;
            EXPECT_EQ(malha.Pontos[0].zv, 0) << nome;
        }
    }
}

} // namespace
} // namespace quindra
