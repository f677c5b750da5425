#include "render/flat_shading.hpp"

#include <algorithm>

#include "geometry/arredondamento.hpp"
#include "render/iluminacao.hpp"
#include "render/pintor_faixas.hpp"
#include "render/preparo_malha.hpp"

namespace quindra {

namespace {

std::uint8_t canal_arredondado(double valor) {
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(arredonda(valor), 0, 255));
}

} // namespace

CorPixel cor_plana(const Vetor& normal, const PoligonoVisivel& poligono, const Material& material,
                   const Cena& cena) {
    double x = 0, y = 0, z = 0;
    for (const Ponto& v : poligono.pontos()) x += v.xv, y += v.yv, z += v.zv;
    Ponto centro;
    centro.atribui_vista(x / poligono.quantos, y / poligono.quantos, z / poligono.quantos);
    const Cor cor = ilumina(centro, normal, material, cena);
    return {canal_arredondado(cor.r), canal_arredondado(cor.g), canal_arredondado(cor.b)};
}

Bitmap& desenha_flat(Bitmap& tela, Malha& malha, const Camera& camera, const Material& material,
                     const Cena& cena, const ModoTetraedro& modo) {
    tela.define_caneta(AMARELO);
    limpa_tela(tela, PRETO);
    calcula_normais_faces(malha);
    ordena_para_pintor(malha);
    projeta_pontos(malha, camera);

    const auto prepara = [&](Triangulo& t, const VerticesTela* inteiro,
                             PartesTriangulo<PoligonoTela>& partes) {
        Material do_tetraedro;
        const Material* superficie = &material;
        if (modo.ligado && modo.tabela) {
            // A triangle beyond the table's 80 entries keeps the material's own colours.
            if (const EntradaTetraedro* entrada = entrada_tetraedro(*modo.tabela, t.tetraedro)) {
                if (!entrada->habilitado) return;
                do_tetraedro = material;
                do_tetraedro.Od1 = do_tetraedro.Od2 = entrada->cor;
                superficie = &do_tetraedro;
            }
        }
        const PoligonoVisivel poligono = inteiro ? triangulo_inteiro(t, malha.Pontos)
                                                 : poligono_visivel(t, malha.Pontos, camera.d);
        if (poligono.quantos == 0) return;
        const CorPixel cor = cor_plana(t.normal, poligono, *superficie, cena);
        partes.adiciona(inteiro ? poligono_inteiro(*inteiro, cor, cor)
                                : projeta_poligono(camera, poligono, cor, cor));
    };
    // Each polygon is outlined in its own colour; the pen and the brush keep the last one's.
    if (const auto ultimo = pinta_do_fundo<PoligonoTela>(tela, malha, prepara)) {
        tela.define_caneta(ultimo->caneta);
        tela.define_pincel(ultimo->pincel);
    }
    return tela;
}

} // namespace quindra
