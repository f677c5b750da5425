#include "app/janela.hpp"

#include "geometry/numero_texto.hpp"
#include "malhas/formatos.hpp"

namespace quindra {

Janela::Janela(Plataforma& plataforma, std::filesystem::path diretorio, Persistencia persistencia)
    : plataforma_(plataforma), persistencia_(persistencia) {
    Imagem = cria_tela(sistema.Tela, sistema.Textura);
    sistema.DirInicial = std::move(diretorio);
    carrega_configuracao();
    sistema.TabelaTetraedros = TabelaDeTetraedros{};
    sistema.ModoTetraedro = false;
    TModo.marcada = false;
    sistema.TetraedroAtual = 1;
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
    if (&caixa == &TModo && !em_TModoClick_) TModoClick();
}

void Janela::clica(CaixaMarcacao& caixa) { marca(caixa, !caixa.marcada); }

std::vector<std::string> nomes_dos_algoritmos() {
    std::vector<std::string> nomes;
    for (const DescricaoAlgoritmo& a : ALGORITMOS) nomes.emplace_back(a.nome);
    return nomes;
}

TextosCamera Janela::textos_camera() const {
    return {Nx_edit.texto, Ny_edit.texto, Nz_edit.texto, Vx_edit.texto,
            Vy_edit.texto, Vz_edit.texto, Cx_edit.texto, Cy_edit.texto,
            Cz_edit.texto, d_edit.texto,  hx_edit.texto, hy_edit.texto};
}

bool Janela::aceita(const std::string& mensagem) {
    Mensagem_label.texto = mensagem;
    return mensagem_de_sucesso(mensagem);
}

bool Janela::le_iluminacao() {
    const TextosMaterial material{OdiRed_edit.texto, OdiGreen_edit.texto, OdiBlue_edit.texto,
                                  OdeRed_edit.texto, OdeGreen_edit.texto, OdeBlue_edit.texto,
                                  OsiRed_edit.texto, OsiGreen_edit.texto, OsiBlue_edit.texto,
                                  OseRed_edit.texto, OseGreen_edit.texto, OseBlue_edit.texto,
                                  Kd_edit.texto,     Ks_edit.texto,       rugosidade_edit.texto};
    if (!aceita(le_atributos_objeto(sistema.material, material))) return false;
    const TextosAmbiente ambiente{IaRed_edit.texto, IaGreen_edit.texto, IaBlue_edit.texto,
                                  Ka_edit.texto};
    if (!aceita(le_ambiente(sistema.cena, ambiente))) return false;
    atualiza_fonte_visivel();
    return aceita(le_fontes(sistema.cena, sistema.ListaDeFontes));
}

void Janela::Desenhar_buttonClick() {
    const auto inicio = std::chrono::steady_clock::now();
    desenha_com(algoritmo_da_escolha(Renderizadores_radio.selecionado));
    duracao_ultimo_desenho_ = std::chrono::steady_clock::now() - inicio;
}

void Janela::desenha_com(std::optional<Algoritmo> algoritmo) {
    bool erro = false;
    const double fator = converte_real(FatorDilZ.texto, erro);
    if (erro) {
        Mensagem_label.texto = "Fator de Dilatação em formato inválido.";
        return;
    }
    Malha& malha = sistema.malha;
    malha.FatorDilatacaoZ = fator;
    // Drawing without an object (the rotate-and-draw command can ask for it) draws nothing.
    if (!algoritmo || malha.NumTriangulos() == 0) return;
    const DescricaoAlgoritmo& escolha = descricao(*algoritmo);
    if (escolha.textura && !sistema.TexturaCarregada()) {
        Mensagem_label.texto = "Não há textura carregada.";
        return;
    }
    if (!aceita(le_camera(sistema.CameraAtual, textos_camera()))) return;
    if (escolha.iluminacao && !le_iluminacao()) return;

    Desenho desenho{*sistema.Tela,
                    malha,
                    sistema.vista,
                    *sistema.CameraAtual,
                    sistema.material,
                    sistema.cena,
                    sistema.ProfundidadeAtual,
                    sistema.projecao_textura};
    if (escolha.textura) {
        desenho.textura = &*sistema.Textura;
        bool sem_primeira = false, sem_ultima = false;
        const int primeira = converte_inteiro(tFacei_edit.texto, sem_primeira);
        const int ultima = converte_inteiro(tFacef_edit.texto, sem_ultima);
        sistema.faixa_textura = {sem_primeira ? 1 : primeira,
                                 sem_ultima ? malha.NumTriangulos() : ultima};
    }
    desenho.faixa = sistema.faixa_textura;
    desenho.modo = {sistema.ModoTetraedro, &sistema.TabelaTetraedros};
    desenho.raios = &sistema.raios;
    // Only the ray tracer counts its rows and stops when asked; a cancelled one leaves the frame.
    linhas_prontas_ = 0;
    cancelar_desenho_ = false;
    desenho.acompanhamento = {&cancelar_desenho_, &linhas_prontas_};
    const int linhas = *algoritmo == Algoritmo::RayTracing ? LINHAS_TRACADAS : 0;
    plataforma_.acompanha_desenho([&] { desenha(*algoritmo, desenho); },
                                  {&linhas_prontas_, linhas, &cancelar_desenho_});
    Imagem = *sistema.Tela;
}

void Janela::CarregarObj_buttonClick() {
    // A cancelled dialog loads nothing (not the dialog's previous file once more).
    const auto arquivo = plataforma_.escolhe_arquivo_para_abrir(DialogoObjeto);
    if (arquivo) carrega_objeto_de(*arquivo);
}

void Janela::carrega_objeto_de(const std::string& arquivo) {
    sistema.malha.FatorDilatacaoZ = 1.0;
    if (!aceita(carrega_malha(sistema.malha, arquivo))) return;
    sistema.raios.descarta();
    sistema.vista.descarta();
    NomeDoArquivo_label.texto = arquivo;
    Desenhar_button.habilitado = true;
    Label58.texto = formata_inteiro(sistema.malha.NumTriangulos());
}

} // namespace quindra
