#include "render/flat_shading.hpp"

#include <algorithm>

#include "geometry/arredondamento.hpp"
#include "render/iluminacao.hpp"

namespace quindra {

namespace {

std::uint8_t canal_arredondado(double valor) {
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(arredonda(valor), 0, 255));
}

} // namespace

void pinta_poligono_plano(Bitmap& tela, const Camera& camera, const Vetor& normal,
                          const PoligonoVisivel& poligono, const Material& material,
                          const Cena& cena) {
    double x = 0, y = 0, z = 0;
    for (const Ponto& v : poligono.pontos()) x += v.xv, y += v.yv, z += v.zv;
    Ponto centro;
    centro.atribui_vista(x / poligono.quantos, y / poligono.quantos, z / poligono.quantos);
    const Cor cor = ilumina(centro, normal, material, cena);
    const CorPixel pixel{canal_arredondado(cor.r), canal_arredondado(cor.g),
                         canal_arredondado(cor.b)};
    tela.define_caneta(pixel);
    preenche_poligono(tela, camera, poligono, pixel);
}

Bitmap& desenha_flat(Bitmap& tela, Malha& malha, const Camera& camera, const Material& material,
                     const Cena& cena, const ModoTetraedro& modo) {
    tela.define_caneta(AMARELO);
    limpa_tela(tela, PRETO);
    ordena_para_pintor(malha);

    Vetor trabalho;
    Material do_tetraedro = material;
    for (auto t = malha.Triangulos.rbegin(); t != malha.Triangulos.rend(); ++t) {
        const Material* superficie = &material;
        if (modo.ligado && modo.tabela) {
            // A triangle beyond the table's 80 entries keeps the material's own colours.
            if (const EntradaTetraedro* entrada = entrada_tetraedro(*modo.tabela, t->tetraedro)) {
                if (!entrada->habilitado) continue;
                do_tetraedro.Od1 = do_tetraedro.Od2 = entrada->cor;
                superficie = &do_tetraedro;
            }
        }
        t->calcula_normal(malha.Pontos, trabalho);
        const PoligonoVisivel poligono = poligono_visivel(*t, malha.Pontos, camera.d);
        if (poligono.quantos > 0)
            pinta_poligono_plano(tela, camera, t->normal, poligono, *superficie, cena);
    }
    return tela;
}

} // namespace quindra
