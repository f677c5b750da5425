// The three configuration files: read into the fields at start-up, written from them at close.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "app/janela.hpp"
#include "geometry/leitor_texto.hpp"
#include "geometry/numero_texto.hpp"
#include "view/arquivo_atomico.hpp"

namespace quindra {

namespace {

namespace fs = std::filesystem;
using Campo = CampoTexto Janela::*;

constexpr std::string_view CAMERA = "camera.txt", CENA = "cena.txt", OBJETO = "objeto.txt";
constexpr std::string_view FIM_DE_LINHA = "\r\n";

constexpr std::string_view CAMERA_PADRAO = "0 0 1\r\n0 1 0\r\n0 0 0\r\n1\r\n1\r\n1 \r\n";
constexpr std::string_view CENA_PADRAO = "255 255 255\r\n0.5\r\n1\r\n255 255 255\r\n0 0 0\r\n";
constexpr std::string_view OBJETO_PADRAO =
    "255 255 0\r\n255 255 0\r\n255 255 255\r\n255 255 255\r\n0.5\r\n0.5\r\n1\r\n";

// The fields in file order, and how many of them share each line.
constexpr std::array<Campo, 12> CAMPOS_CAMERA{&Janela::Nx_edit, &Janela::Ny_edit, &Janela::Nz_edit,
                                              &Janela::Vx_edit, &Janela::Vy_edit, &Janela::Vz_edit,
                                              &Janela::Cx_edit, &Janela::Cy_edit, &Janela::Cz_edit,
                                              &Janela::d_edit,  &Janela::hx_edit, &Janela::hy_edit};
constexpr std::initializer_list<int> LINHAS_CAMERA{3, 3, 3, 1, 1, 1};

constexpr std::array<Campo, 4> CAMPOS_AMBIENTE{&Janela::IaRed_edit, &Janela::IaGreen_edit,
                                               &Janela::IaBlue_edit, &Janela::Ka_edit};
constexpr std::initializer_list<int> LINHAS_AMBIENTE{3, 1};

constexpr std::array<Campo, 15> CAMPOS_OBJETO{
    &Janela::OdiRed_edit,   &Janela::OdiGreen_edit, &Janela::OdiBlue_edit,   &Janela::OdeRed_edit,
    &Janela::OdeGreen_edit, &Janela::OdeBlue_edit,  &Janela::OsiRed_edit,    &Janela::OsiGreen_edit,
    &Janela::OsiBlue_edit,  &Janela::OseRed_edit,   &Janela::OseGreen_edit,  &Janela::OseBlue_edit,
    &Janela::Kd_edit,       &Janela::Ks_edit,       &Janela::rugosidade_edit};
constexpr std::initializer_list<int> LINHAS_OBJETO{3, 3, 3, 3, 1, 1, 1};

// Lights that begin where the file has already ended read as six zeros each. A count far
// beyond what the file holds is a damaged number, not a wish for millions of black lights at
// the origin: only this many of them are added.
constexpr int FONTES_ALEM_DO_FIM = 100;

// False once any number of the run was malformed.
template <std::size_t N> bool le_reais(LeitorTexto& leitor, std::array<double, N>& valores) {
    for (double& valor : valores) leitor.le_real(valor);
    return !leitor.falhou();
}

template <std::size_t N>
void preenche(Janela& janela, const std::array<Campo, N>& campos,
              const std::array<double, N>& valores) {
    for (std::size_t i = 0; i < N; ++i) (janela.*campos[i]).texto = formata_real(valores[i]);
}

template <std::size_t N>
void acrescenta_textos(TextosDasFontes& lista, const std::array<double, N>& valores) {
    for (double valor : valores) lista.push_back(formata_real(valor));
}

// camera.txt and objeto.txt: a fixed run of reals, one per field, all read before any field
// changes, so that a bad file leaves every field as it was. False when the file must give way
// to its default.
template <std::size_t N>
bool le_campos(Janela& janela, const fs::path& arquivo, const std::array<Campo, N>& campos) {
    LeitorTexto leitor(arquivo);
    std::array<double, N> valores{};
    if (!leitor.aberto() || !le_reais(leitor, valores)) return false;
    preenche(janela, campos, valores);
    return true;
}

enum class LeituraCena { sem_fontes, fonte_com_erro, completa };

// cena.txt: the ambient light and light 1 fill the fields and the list together; lights 2 to L
// go to the list only, until one fails.
LeituraCena le_cena(Janela& janela, const fs::path& arquivo) {
    LeitorTexto leitor(arquivo);
    if (!leitor.aberto()) return LeituraCena::sem_fontes;
    std::array<double, CAMPOS_AMBIENTE.size()> ambiente{};
    int numero_de_fontes = 0;
    std::array<double, CAMPOS_POR_FONTE> fonte{};
    le_reais(leitor, ambiente);
    leitor.le_inteiro(numero_de_fontes);
    if (!le_reais(leitor, fonte)) return LeituraCena::sem_fontes;

    preenche(janela, CAMPOS_AMBIENTE, ambiente);
    TextosDasFontes& lista = janela.sistema.ListaDeFontes;
    acrescenta_textos(lista, fonte);
    int alem_do_fim = 0;
    for (std::int64_t k = 2; k <= numero_de_fontes; ++k) {
        if (leitor.fim() && ++alem_do_fim > FONTES_ALEM_DO_FIM) break;
        if (!le_reais(leitor, fonte)) return LeituraCena::fonte_com_erro;
        acrescenta_textos(lista, fonte);
    }
    return LeituraCena::completa;
}

// A file that could not be read is moved aside as NAME.bak before its default takes its
// place, so that the user's values are never lost. If it cannot be moved it stays as it is.
void substitui_por_padrao(const fs::path& arquivo, std::string_view padrao) {
    std::error_code erro;
    const fs::file_status estado = fs::symlink_status(arquivo, erro);
    if (fs::exists(estado) && !fs::is_directory(estado)) {
        fs::path copia = arquivo;
        copia += ".bak";
        fs::rename(arquivo, copia, erro);
        if (erro) return;
    }
    // A default that cannot be written is not reported: the fields hold the values anyway.
    grava_arquivo_atomico(arquivo, padrao);
}

// The field texts as they stand, separated by blanks, so many to a line.
template <std::size_t N>
void escreve_campos(std::string& texto, const Janela& janela, const std::array<Campo, N>& campos,
                    std::initializer_list<int> por_linha) {
    auto campo = campos.begin();
    for (int quantos : por_linha) {
        for (int i = 0; i < quantos; ++i, ++campo) {
            if (i > 0) texto += ' ';
            texto += (janela.*(*campo)).texto;
        }
        texto += FIM_DE_LINHA;
    }
}

std::string texto_camera(const Janela& janela) {
    std::string texto;
    escreve_campos(texto, janela, CAMPOS_CAMERA, LINHAS_CAMERA);
    return texto;
}

// Every entry of the list followed by a blank, three to a line: a light's intensity, then its
// position.
std::string texto_cena(const Janela& janela) {
    const TextosDasFontes& lista = janela.sistema.ListaDeFontes;
    std::string texto;
    escreve_campos(texto, janela, CAMPOS_AMBIENTE, LINHAS_AMBIENTE);
    texto += formata_inteiro(static_cast<std::int64_t>(lista.size() / CAMPOS_POR_FONTE));
    texto += FIM_DE_LINHA;
    for (std::size_t i = 0; i < lista.size(); ++i) {
        texto += lista[i];
        texto += ' ';
        if (i % 3 == 2) texto += FIM_DE_LINHA;
    }
    return texto;
}

std::string texto_objeto(const Janela& janela) {
    std::string texto;
    escreve_campos(texto, janela, CAMPOS_OBJETO, LINHAS_OBJETO);
    return texto;
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
    const fs::path& pasta = sistema.DirInicial;
    // The command-line renderer only reads: a folder it draws from is left exactly as it was.
    const bool grava = persistencia_ == Persistencia::le_e_grava;

    if (!le_campos(*this, pasta / CAMERA, CAMPOS_CAMERA) && grava) {
        substitui_por_padrao(pasta / CAMERA, CAMERA_PADRAO);
    }

    const LeituraCena cena = le_cena(*this, pasta / CENA);
    if (cena == LeituraCena::sem_fontes) {
        insere_fonte_padrao(0);
    } else {
        mostra_fonte(1);
    }
    if (cena != LeituraCena::completa && grava) substitui_por_padrao(pasta / CENA, CENA_PADRAO);

    if (!le_campos(*this, pasta / OBJETO, CAMPOS_OBJETO) && grava) {
        substitui_por_padrao(pasta / OBJETO, OBJETO_PADRAO);
    }
}

void Janela::descarrega_configuracao() {
    libera_tela(sistema.Tela);
    libera_malha(sistema.malha);
    sistema.raios.descarta();
    // Values typed into the light fields since the last draw or light command are kept too.
    atualiza_fonte_visivel();
    const fs::path& pasta = sistema.DirInicial;
    // Each file replaces the old one whole or not at all; after a failure the rest are left
    // as they were.
    const bool gravou = grava_arquivo_atomico(pasta / CAMERA, texto_camera(*this)) &&
                        grava_arquivo_atomico(pasta / CENA, texto_cena(*this)) &&
                        grava_arquivo_atomico(pasta / OBJETO, texto_objeto(*this));
    if (!gravou) Mensagem_label.texto = "Erro ao se gravar arquivos de configuração.";
}

} // namespace quindra
