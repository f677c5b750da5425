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
using Campo = CampoTexto Janela::*;

// The three files, in the order they are read and written.
constexpr std::size_t CAMERA = 0, CENA = 1, OBJETO = 2;
struct Arquivo {
    std::string_view nome, padrao;
};
constexpr std::array<Arquivo, 3> ARQUIVOS{
    {{"camera.txt", CAMERA_PADRAO}, {"cena.txt", CENA_PADRAO}, {"objeto.txt", OBJETO_PADRAO}}};

// The fields in file order.
constexpr std::array<Campo, REAIS_CAMERA> CAMPOS_CAMERA{
    &Janela::Nx_edit, &Janela::Ny_edit, &Janela::Nz_edit, &Janela::Vx_edit,
    &Janela::Vy_edit, &Janela::Vz_edit, &Janela::Cx_edit, &Janela::Cy_edit,
    &Janela::Cz_edit, &Janela::d_edit,  &Janela::hx_edit, &Janela::hy_edit};

constexpr std::array<Campo, REAIS_AMBIENTE> CAMPOS_AMBIENTE{
    &Janela::IaRed_edit, &Janela::IaGreen_edit, &Janela::IaBlue_edit, &Janela::Ka_edit};

constexpr std::array<Campo, REAIS_OBJETO> CAMPOS_OBJETO{
    &Janela::OdiRed_edit,   &Janela::OdiGreen_edit, &Janela::OdiBlue_edit,   &Janela::OdeRed_edit,
    &Janela::OdeGreen_edit, &Janela::OdeBlue_edit,  &Janela::OsiRed_edit,    &Janela::OsiGreen_edit,
    &Janela::OsiBlue_edit,  &Janela::OseRed_edit,   &Janela::OseGreen_edit,  &Janela::OseBlue_edit,
    &Janela::Kd_edit,       &Janela::Ks_edit,       &Janela::rugosidade_edit};

template <std::size_t N>
void preenche(Janela& janela, const std::array<Campo, N>& campos,
              const std::array<std::string, N>& textos) {
    for (std::size_t i = 0; i < N; ++i) (janela.*campos[i]).texto = textos[i];
}

template <std::size_t N>
std::array<std::string_view, N> textos_de(const Janela& janela,
                                          const std::array<Campo, N>& campos) {
    std::array<std::string_view, N> textos;
    for (std::size_t i = 0; i < N; ++i) textos[i] = (janela.*campos[i]).texto;
    return textos;
}

// What an unopened file means: not there at all, or there but not a readable file.
SituacaoArquivo situacao_de(Abertura abertura) {
    return abertura == Abertura::ausente ? SituacaoArquivo::ausente : SituacaoArquivo::ilegivel;
}

// camera.txt and objeto.txt: a fixed run of reals, one per field, all read before any field
// changes, so that a bad file leaves every field as it was.
template <std::size_t N>
SituacaoArquivo le_campos(Janela& janela, const fs::path& arquivo,
                          const std::array<Campo, N>& campos) {
    LeitorTexto leitor(arquivo);
    if (!leitor.aberto()) return situacao_de(leitor.abertura());
    std::array<std::string, N> textos;
    if (!le_reais_como_textos(leitor, textos)) return SituacaoArquivo::malformado;
    preenche(janela, campos, textos);
    return SituacaoArquivo::lido;
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
    for (const Arquivo& arquivo : ARQUIVOS) {
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
    sistema.ListaDeFontes.clear();
    sistema.FonteAtual = 1;
    // A file dialog may change the working directory during the run; the files are written
    // back where they were read.
    std::error_code erro;
    if (fs::path absoluto = fs::absolute(sistema.DirInicial, erro); !erro) {
        sistema.DirInicial = std::move(absoluto);
    }
    const auto caminho = [this](std::size_t arquivo) {
        return sistema.DirInicial / ARQUIVOS[arquivo].nome;
    };
    std::array<SituacaoArquivo, 3> situacao;
    situacao.fill(SituacaoArquivo::ausente);
    if (persistencia_ != Persistencia::nenhuma) {
        situacao[CAMERA] = le_campos(*this, caminho(CAMERA), CAMPOS_CAMERA);
        situacao[CENA] = carrega_cena(caminho(CENA));
        situacao[OBJETO] = le_campos(*this, caminho(OBJETO), CAMPOS_OBJETO);
    }
    if (sistema.ListaDeFontes.empty()) insere_fonte_padrao(0);

    // The command-line renderer only reads: a folder it draws from is left as it was.
    if (persistencia_ == Persistencia::le_e_grava)
        remove_temporarios_esquecidos(sistema.DirInicial);
    std::string avisos;
    for (std::size_t arquivo = 0; arquivo < ARQUIVOS.size(); ++arquivo) {
        const fs::path c = caminho(arquivo);
        ArquivoLido& lido = configuracao_lida_[arquivo];
        lido = {ARQUIVOS[arquivo].nome, situacao[arquivo]};
        if (persistencia_ != Persistencia::le_e_grava) continue;
        lido.preservado = sem_permissao_de_leitura(lido.situacao, c) || somente_leitura(c);
        const bool guardado = !lido.preservado && lido.situacao != SituacaoArquivo::lido &&
                              substitui_por_padrao(c, ARQUIVOS[arquivo].padrao);
        if (const std::string texto = aviso(lido, guardado); !texto.empty())
            avisos += (avisos.empty() ? "" : " ") + texto;
    }
    if (!avisos.empty()) Mensagem_label.texto = avisos;
}

// cena.txt: the ambient light and light 1 fill the fields and the list together; lights 2 to L
// go to the list only. When the first part fails, nothing changes.
SituacaoArquivo Janela::carrega_cena(const std::filesystem::path& arquivo) {
    LeitorTexto leitor(arquivo);
    if (!leitor.aberto()) return situacao_de(leitor.abertura());
    const std::optional<ConteudoCena> cena = le_cena(leitor);
    if (!cena) return SituacaoArquivo::malformado;
    preenche(*this, CAMPOS_AMBIENTE, cena->ambiente);
    sistema.ListaDeFontes = cena->fontes;
    mostra_fonte(1);
    return cena->completo ? SituacaoArquivo::lido : SituacaoArquivo::malformado;
}

bool Janela::grava_configuracao() {
    if (persistencia_ != Persistencia::le_e_grava) return true;
    // Values typed into the light fields since the last draw or light command are kept too.
    atualiza_fonte_visivel();
    const fs::path& pasta = sistema.DirInicial;
    // Each file replaces the old one whole or not at all, and on its own: a file that cannot
    // be written costs none of the others.
    const std::array<std::string, 3> conteudos{
        escreve_linhas(textos_de(*this, CAMPOS_CAMERA), LINHAS_CAMERA),
        escreve_cena(textos_de(*this, CAMPOS_AMBIENTE), sistema.ListaDeFontes),
        escreve_linhas(textos_de(*this, CAMPOS_OBJETO), LINHAS_OBJETO)};
    bool gravou_todos = true;
    for (std::size_t arquivo = 0; arquivo < ARQUIVOS.size(); ++arquivo) {
        if (configuracao_lida_[arquivo].preservado) continue;
        if (!grava_arquivo_atomico(pasta / ARQUIVOS[arquivo].nome, conteudos[arquivo])) {
            gravou_todos = false;
        }
    }
    if (!gravou_todos) Mensagem_label.texto = ERRO_AO_GRAVAR_CONFIGURACAO;
    return gravou_todos;
}

void Janela::descarrega_configuracao() {
    libera_tela(sistema.Tela);
    libera_malha(sistema.malha);
    sistema.raios.descarta();
}

} // namespace quindra
