#include "render/algoritmos.hpp"

#include "render/pixels_pontos.hpp"

namespace quindra {

std::optional<Algoritmo> algoritmo_da_escolha(int indice) {
    if (indice < 0 || indice >= static_cast<int>(ALGORITMOS.size())) return std::nullopt;
    return ALGORITMOS[static_cast<std::size_t>(indice)].algoritmo;
}

namespace {

void limpa(Bitmap& tela, const Limpeza& limpeza) {
    switch (limpeza.modo) {
    case Limpeza::caneta_primeiro:
        tela.define_caneta(limpeza.caneta);
        limpa_tela(tela, limpeza.fundo);
        break;
    case Limpeza::caneta_depois:
        limpa_tela(tela, limpeza.fundo);
        tela.define_caneta(limpeza.caneta);
        break;
    case Limpeza::quadro_proprio:
        break;
    }
}

} // namespace

void desenha(Algoritmo algoritmo, Desenho& d) {
    const DescricaoAlgoritmo& a = descricao(algoritmo);
    if (a.textura && !d.textura) return;
    if (!malha_desenhavel(d.malha)) {
        // Nothing can be drawn of a mesh naming points it lacks: the frame is left cleared.
        limpa(d.tela, {Limpeza::caneta_primeiro, a.limpeza.fundo, a.limpeza.caneta});
        return;
    }
    limpa(d.tela, a.limpeza);
    Vista& vista = d.vista;
    vista.ajusta(d.malha);
    transforma_pontos(vista, d.malha, d.camera);
    if (a.iluminacao) transforma_fontes(vista, d.cena, d.camera, d.malha.FatorDilatacaoZ);
    if (a.ordem == Ordem::ordenada) {
        calcula_distancias(vista, d.malha);
        ordena_triangulos(vista);
    }
    if (a.normais_faces || a.em_lotes) dispoe_lista(vista, d.malha);
    if (a.normais_faces) calcula_normais_faces(vista);
    if (a.normais_vertices) calcula_normais_vertices(vista);
    if (a.cores_vertices) calcula_cores_vertices(vista, d.material);
    if (a.em_lotes) projeta_pontos(vista, d.camera);
    if (a.textura) prepara_textura(d.projecao, d.malha, d.camera);
    if (a.profundidade) {
        if (!d.profundidade) d.profundidade.emplace();
        limpa_profundidade(*d.profundidade);
    }
    a.renderizador(d);
}

} // namespace quindra
