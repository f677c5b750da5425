// What the image area shows: the last Draw's frame or its depth buffer, every algorithm side by
// side, or the current choice painting only its first triangles.
#include <algorithm>

#include "app/janela.hpp"
#include "geometry/numero_texto.hpp"

namespace quindra {

void Janela::mostra_imagem() {
    folha_.reset();
    const auto profundidade =
        MostrarProfundidade_check.marcada ? sessao.profundidade() : std::nullopt;
    Imagem = profundidade ? *profundidade : sessao.quadro();
}

void Janela::MostrarProfundidade_checkClick() { mostra_imagem(); }

void Janela::CompararAlgoritmos_buttonClick() {
    para_reproducao();
    // The light on show goes into the list, which the lit choices read.
    atualiza_fonte_visivel();
    // Cancelled, the image stays as it was.
    if (!sessao.compara(*this)) return;
    folha_ = sessao.folha(LADO_TELA / COLUNAS_FOLHA);
    Imagem = folha_->imagem;
}

void Janela::Renderizadores_radioClick() {
    const auto escolha = algoritmo_da_escolha(Renderizadores_radio.selecionado);
    const bool em_ordem =
        Desenhar_button.habilitado && escolha && descricao(*escolha).pinta_triangulos_em_ordem();
    Triangulos_slider.habilitado = Reproduzir_button.habilitado = em_ordem;
    if (!em_ordem) para_reproducao();
}

void Janela::Reproduzir_buttonClick() {
    if (reproduzindo_) return para_reproducao();
    reproduzindo_ = true;
    Reproduzir_button.legenda = "Parar";
    desenha_ate(0);
}

void Janela::para_reproducao() {
    reproduzindo_ = false;
    Reproduzir_button.legenda = "Reproduzir";
}

void Janela::desenha_ate(std::size_t k) {
    desenha_com(algoritmo_da_escolha(Renderizadores_radio.selecionado), k);
    posiciona_triangulos(k);
}

void Janela::posiciona_triangulos(std::size_t k) {
    const int total = Triangulos_slider.maximo;
    Triangulos_slider.valor = static_cast<int>(std::min(k, static_cast<std::size_t>(total)));
    Triangulos_label.texto =
        "Triângulos: " + formata_inteiro(Triangulos_slider.valor) + " de " + formata_inteiro(total);
}

} // namespace quindra
