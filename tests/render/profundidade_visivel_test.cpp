#include "render/profundidade_visivel.hpp"

#include <gtest/gtest.h>

#include "apoio/cena_teste.hpp"

namespace quindra {
namespace {

// A square leaning away to the right (camera depths 80 at its left edge to 160 at its right):
// its depth picture is white at the nearest pixel, CINZA_MAIS_LONGE at the farthest, darker
// column by column along a row, and black around it, where nothing was stored. The ray tracer's
// depths, taken where each ray meets the plane as the rasteriser takes them, give the same
// picture but where edges round differently.
TEST(ProfundidadeVisivel, PlanoInclinadoEhUmaRampa) {
    const Malha malha = teste::malha_mundo(
        {Ponto(-40, -40, 120), Ponto(60, -60, 40), Ponto(60, 60, 40), Ponto(-40, 40, 120)},
        {{1, 2, 3}, {1, 3, 4}});
    const auto profundidade_de = [&](Algoritmo algoritmo) {
        Bitmap tela = teste::tela_nova();
        teste::Desenhista desenhista;
        desenhista.desenha(algoritmo, tela, malha, teste::camera_inicial());
        return imagem_da_profundidade(*desenhista.profundidade);
    };
    const Bitmap imagem = profundidade_de(Algoritmo::GouraudZBuffer);
    const Bitmap dos_raios = profundidade_de(Algoritmo::RayTracing);
    teste::guarda_para_olhar(imagem, "profundidade-rampa");
    int iguais = 0;
    for (int x = 0; x < LADO_TELA; ++x) iguais += imagem.pixel(x, 300) == dos_raios.pixel(x, 300);
    EXPECT_GE(iguais, LADO_TELA - 2);

    int anterior = 256, brancos = 0, mais_longe = 0;
    for (int x = 0; x < LADO_TELA; ++x) {
        const CorPixel p = imagem.pixel(x, 300);
        if (p == PRETO) continue;
        EXPECT_EQ(p.r, p.g);
        EXPECT_EQ(p.r, p.b);
        EXPECT_LE(p.r, anterior) << x;
        anterior = p.r;
        brancos += p.r == 255;
        mais_longe += p.r == CINZA_MAIS_LONGE;
    }
    EXPECT_GE(brancos, 1);
    EXPECT_GE(mais_longe, 1);
    EXPECT_EQ(imagem.pixel(50, 300), PRETO);
    EXPECT_EQ(imagem.pixel(300, 10), PRETO);
}

} // namespace
} // namespace quindra
