// The three configuration files: read into the fields at start-up, written from them at close.
#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <string_view>

#include "app/copias_de_seguranca.hpp"
#include "app/formato_configuracao.hpp"
#include "app/janela.hpp"
#include "imagens/arquivo_atomico.hpp"

namespace quindra {

namespace {

namespace fs = std::filesystem;

template <std::size_t N>
std::array<std::string_view, N> textos_de(const Parametros& parametros,
                                          const std::array<CampoParametro, N>& campos) {
    std::array<std::string_view, N> textos;
    for (std::size_t i = 0; i < N; ++i) textos[i] = (parametros.*campos[i]).texto;
    return textos;
}

// A file that could not be read is moved aside, with the older copies, before its default
// takes its place, so that the user's values are never lost; true when they are safe in a copy.
// If it cannot be moved it stays. The default inherits the permissions the user gave the file.
bool substitui_por_padrao(const fs::path& arquivo, std::string_view padrao) {
    std::error_code erro;
    const fs::file_status anterior = fs::status(arquivo, erro);
    if (!guarda_copia_de_seguranca(arquivo)) return false;
    // A default that cannot be written is not reported: the fields hold the values anyway.
    if (grava_arquivo_atomico(arquivo, padrao) && fs::exists(anterior)) {
        fs::permissions(arquivo, anterior.permissions(), erro);
    }
    return true;
}

// A regular file that did not open could not be read for lack of permission: its values are
// the user's, unseen, and whatever the window holds must not take their place.
bool sem_permissao_de_leitura(SituacaoArquivo situacao, const fs::path& arquivo) {
    std::error_code erro;
    return situacao == SituacaoArquivo::ilegivel && fs::is_regular_file(arquivo, erro);
}

// What start-up tells the user about a file it did not take as it is.
std::string aviso(const ArquivoLido& lido, bool guardado) {
    const std::string arquivo(lido.nome);
    if (lido.preservado && lido.situacao == SituacaoArquivo::ilegivel)
        return "Sem permissão para ler " + arquivo + ": ele não será gravado ao fechar.";
    if (lido.preservado) return arquivo + " é somente leitura: ele não será gravado ao fechar.";
    if (lido.situacao != SituacaoArquivo::malformado) return {};
    return arquivo + " com problemas" + (guardado ? ": guardado como " + arquivo + ".bak." : ".");
}

// A temporary file of ours that a write killed midway left behind, at least a minute old so
// that another window's write in progress is never taken for one.
bool temporario_esquecido(const fs::directory_entry& entrada) {
    const std::string nome = entrada.path().filename().string();
    for (const ArquivoConfiguracao& arquivo : ARQUIVOS_CONFIGURACAO) {
        const std::string prefixo = std::string(arquivo.nome) + std::string(SUFIXO_TEMPORARIO);
        if (!nome.starts_with(prefixo) || nome.size() == prefixo.size()) continue;
        if (!std::ranges::all_of(nome.substr(prefixo.size()),
                                 [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        std::error_code erro;
        const auto idade = fs::file_time_type::clock::now() - entrada.last_write_time(erro);
        return !erro && entrada.is_regular_file(erro) && !entrada.is_symlink(erro) &&
               idade > std::chrono::minutes(1);
    }
    return false;
}

void remove_temporarios_esquecidos(const fs::path& pasta) {
    std::error_code erro;
    for (const auto& entrada : fs::directory_iterator(pasta, erro))
        if (temporario_esquecido(entrada)) fs::remove(entrada.path(), erro);
}

} // namespace

void Janela::carrega_configuracao() {
    Renderizadores_radio.selecionado = 0;
    Eixos_de_rotacao_radio.selecionado = 0;
    Sistema& sistema = sessao.sistema;
    // A file dialog may change the working directory during the run; the files are written
    // back where they were read.
    std::error_code erro;
    if (fs::path absoluto = fs::absolute(sistema.DirInicial, erro); !erro) {
        sistema.DirInicial = std::move(absoluto);
    }
    std::array<SituacaoArquivo, 3> situacao;
    situacao.fill(SituacaoArquivo::ausente);
    if (persistencia_ != Persistencia::nenhuma)
        situacao = sessao.le_configuracao(sistema.DirInicial, *this);
    mostra_fonte(1);

    // A window that only reads leaves the folder it draws from as it was.
    if (persistencia_ == Persistencia::le_e_grava)
        remove_temporarios_esquecidos(sistema.DirInicial);
    std::string avisos;
    for (std::size_t arquivo = 0; arquivo < ARQUIVOS_CONFIGURACAO.size(); ++arquivo) {
        const fs::path c = sistema.DirInicial / ARQUIVOS_CONFIGURACAO[arquivo].nome;
        ArquivoLido& lido = configuracao_lida_[arquivo];
        lido = {ARQUIVOS_CONFIGURACAO[arquivo].nome, situacao[arquivo]};
        if (persistencia_ != Persistencia::le_e_grava) continue;
        lido.preservado = sem_permissao_de_leitura(lido.situacao, c) || somente_leitura(c);
        const bool guardado = !lido.preservado && lido.situacao != SituacaoArquivo::lido &&
                              substitui_por_padrao(c, ARQUIVOS_CONFIGURACAO[arquivo].padrao);
        if (const std::string texto = aviso(lido, guardado); !texto.empty())
            avisos += (avisos.empty() ? "" : " ") + texto;
    }
    if (!avisos.empty()) Mensagem_label.texto = avisos;
}

bool Janela::grava_configuracao() {
    if (persistencia_ != Persistencia::le_e_grava) return true;
    // Values typed into the light fields since the last draw or light command are kept too.
    atualiza_fonte_visivel();
    const fs::path& pasta = sessao.sistema.DirInicial;
    // Each file replaces the old one whole or not at all, and on its own: a file that cannot
    // be written costs none of the others.
    const std::array<std::string, 3> conteudos{
        escreve_linhas(textos_de(*this, CAMPOS_CAMERA), LINHAS_CAMERA),
        escreve_cena(textos_de(*this, CAMPOS_AMBIENTE), sessao.sistema.ListaDeFontes),
        escreve_linhas(textos_de(*this, CAMPOS_OBJETO), LINHAS_OBJETO)};
    bool gravou_todos = true;
    for (std::size_t arquivo = 0; arquivo < ARQUIVOS_CONFIGURACAO.size(); ++arquivo) {
        if (configuracao_lida_[arquivo].preservado) continue;
        if (!grava_arquivo_atomico(pasta / ARQUIVOS_CONFIGURACAO[arquivo].nome,
                                   conteudos[arquivo])) {
            gravou_todos = false;
        }
    }
    if (!gravou_todos) Mensagem_label.texto = ERRO_AO_GRAVAR_CONFIGURACAO;
    return gravou_todos;
}

void Janela::descarrega_configuracao() {
    Sistema& sistema = sessao.sistema;
    libera_tela(sistema.Tela);
    libera_malha(sistema.malha);
    sistema.raios.descarta();
}

} // namespace quindra
