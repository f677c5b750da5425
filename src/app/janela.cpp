#include "app/janela.hpp"

#include "geometry/numero_texto.hpp"

namespace quindra {

Janela::Janela(Plataforma& plataforma, std::filesystem::path diretorio, Persistencia persistencia)
    : sessao([this](const std::function<void()>& desenho, const ProgressoDesenho& progresso) {
          plataforma_.acompanha_desenho(desenho, progresso);
      }),
      plataforma_(plataforma), persistencia_(persistencia) {
    Imagem = sessao.quadro();
    sessao.sistema.DirInicial = std::move(diretorio);
    carrega_configuracao();
    TModo.marcada = false;
    marca(THabil, true);
}

bool Janela::FormCloseQuery() {
    if (fechada_ || persistencia_ != Persistencia::le_e_grava || configuracao_resolvida_)
        return true;
    while (!grava_configuracao()) {
        switch (plataforma_.pergunta_apos_falha_ao_gravar(Mensagem_label.texto)) {
        case RespostaFalhaAoGravar::tentar_de_novo:
            continue;
        case RespostaFalhaAoGravar::fechar_sem_gravar:
            configuracao_resolvida_ = true;
            return true;
        case RespostaFalhaAoGravar::continuar_aberta:
            return false;
        }
    }
    configuracao_resolvida_ = true;
    return true;
}

void Janela::FormDestroy() {
    if (fechada_) return;
    fechada_ = true;
    if (persistencia_ != Persistencia::le_e_grava) return;
    if (!configuracao_resolvida_ && !grava_configuracao())
        plataforma_.relata_erro(Mensagem_label.texto);
    configuracao_resolvida_ = true;
    descarrega_configuracao();
}

void Janela::altera_texto(CampoTexto& campo, std::string texto) {
    if (campo.texto == texto) return;
    campo.texto = std::move(texto);
    if (&campo == &TetCor_red) TetCor_redChange();
    if (&campo == &TetCor_green) TetCor_greenChange();
    if (&campo == &TetCor_blue) TetCor_blueChange();
}

void Janela::marca(CaixaMarcacao& caixa, bool marcada) {
    if (caixa.marcada == marcada) return;
    caixa.marcada = marcada;
    if (&caixa == &THabil) THabilClick();
    if (&caixa == &MostrarProfundidade_check) MostrarProfundidade_checkClick();
    if (&caixa == &TModo && !em_TModoClick_) TModoClick();
}

void Janela::clica(CaixaMarcacao& caixa) { marca(caixa, !caixa.marcada); }

std::vector<std::string> nomes_dos_algoritmos() {
    std::vector<std::string> nomes;
    for (const DescricaoAlgoritmo& a : ALGORITMOS) nomes.emplace_back(a.nome);
    return nomes;
}

bool Janela::aceita(const std::string& mensagem) {
    Mensagem_label.texto = mensagem;
    return mensagem_de_sucesso(mensagem);
}

void Janela::Desenhar_buttonClick() {
    para_reproducao();
    const auto inicio = std::chrono::steady_clock::now();
    desenha_com(algoritmo_da_escolha(Renderizadores_radio.selecionado));
    duracao_ultimo_desenho_ = std::chrono::steady_clock::now() - inicio;
    posiciona_triangulos(static_cast<std::size_t>(Triangulos_slider.maximo));
}

void Janela::desenha_com(std::optional<Algoritmo> algoritmo, std::optional<std::size_t> ate) {
    // The light on show goes into the list, which the lit choices read.
    atualiza_fonte_visivel();
    const auto mensagem = sessao.desenha(algoritmo, *this, ate);
    if (!mensagem) return;
    if (aceita(*mensagem)) mostra_imagem();
}

void Janela::CarregarObj_buttonClick() {
    // A cancelled dialog loads nothing (not the dialog's previous file once more).
    const auto arquivo = plataforma_.escolhe_arquivo_para_abrir(DialogoObjeto);
    if (arquivo) carrega_objeto_de(*arquivo);
}

void Janela::carrega_objeto_de(const std::string& arquivo) {
    if (!aceita(sessao.carrega_objeto(arquivo))) return;
    NomeDoArquivo_label.texto = arquivo;
    Desenhar_button.habilitado = true;
    CompararAlgoritmos_button.habilitado = true;
    EnquadrarObjeto_button.habilitado = true;
    Label58.texto = formata_inteiro(sessao.sistema.malha.NumTriangulos());
    para_reproducao();
    Triangulos_slider.maximo = sessao.sistema.malha.NumTriangulos();
    posiciona_triangulos(static_cast<std::size_t>(Triangulos_slider.maximo));
    Renderizadores_radioClick();
}

} // namespace quindra
