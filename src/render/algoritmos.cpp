#include "render/algoritmos.hpp"

#include "render/cena_raios.hpp"
#include "render/gouraud.hpp"
#include "render/wireframe.hpp"
#include "view/coordenadas.hpp"

namespace quindra {

std::optional<Algoritmo> algoritmo_da_escolha(int indice) {
    if (indice < 0 || indice >= static_cast<int>(ALGORITMOS.size())) return std::nullopt;
    return ALGORITMOS[static_cast<std::size_t>(indice)].algoritmo;
}

namespace {

void chama_renderizador(Algoritmo algoritmo, Desenho& d) {
    switch (algoritmo) {
    case Algoritmo::Wireframe:
        desenha_arame(d.tela, d.malha, d.camera);
        break;
    case Algoritmo::WireframeOculto:
        desenha_arame_oculto(d.tela, d.malha, d.camera);
        break;
    case Algoritmo::Flat:
        desenha_flat(d.tela, d.malha, d.camera, d.material, d.cena, d.modo);
        break;
    case Algoritmo::GouraudPintor:
        desenha_gouraud_pintor(d.tela, d.malha, d.camera, d.material, d.cena);
        break;
    case Algoritmo::GouraudZBuffer:
        desenha_gouraud_zbuffer(d.tela, d.malha, d.camera, d.material, d.cena, *d.profundidade);
        break;
    case Algoritmo::Phong:
        desenha_phong(d.tela, d.malha, d.camera, d.material, d.cena, *d.profundidade);
        break;
    case Algoritmo::PhongTextura:
        desenha_phong_textura(d.tela, d.malha, d.camera, d.material, d.cena, *d.profundidade,
                              d.projecao, *d.textura, d.faixa);
        break;
    case Algoritmo::RayTracing:
        if (d.raios) {
            desenha_ray_tracing(d.tela, d.malha, d.camera, d.material, d.cena, *d.raios,
                                d.acompanhamento);
        } else {
            CenaRaios so_para_este_desenho;
            desenha_ray_tracing(d.tela, d.malha, d.camera, d.material, d.cena, so_para_este_desenho,
                                d.acompanhamento);
        }
        break;
    case Algoritmo::WireframeTetraedro:
        desenha_tetraedro(d.tela, d.malha, d.camera);
        break;
    }
}

} // namespace

void desenha(Algoritmo algoritmo, Desenho& d) {
    const DescricaoAlgoritmo& a = descricao(algoritmo);
    if (a.textura && !d.textura) return;
    transforma_pontos(d.malha, d.camera);
    if (a.iluminacao) transforma_fontes(d.cena, d.camera, d.malha.FatorDilatacaoZ);
    if (a.textura) prepara_textura(d.projecao, d.malha, d.camera);
    if (a.profundidade) {
        if (!d.profundidade) d.profundidade.emplace();
        limpa_profundidade(*d.profundidade);
    }
    chama_renderizador(algoritmo, d);
}

} // namespace quindra
