// The window as a toolkit sees it: the texts it shows, which controls each user action
// changes, the dialogs' context, and a closed window.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <variant>

#include "apoio/pasta_temporaria.hpp"
#include "apoio/plataforma_falsa.hpp"
#include "app/janela.hpp"

namespace quindra {
namespace {

using teste::PastaTemporaria;
using teste::PlataformaFalsa;

const Controle& C(std::string_view nome) {
    const Controle* controle = Janela::controle(nome);
    if (!controle) throw std::invalid_argument(std::string(nome));
    return *controle;
}

// The text a control's widget shows: a field's or label's text, a caption, a page's title.
std::string texto(const Janela& janela, const Controle& controle) {
    return std::visit(
        [&](auto membro) -> std::string {
            const auto& estado = janela.*membro;
            if constexpr (requires { estado.texto; })
                return estado.texto;
            else if constexpr (requires { estado.legenda; })
                return estado.legenda;
            else if constexpr (requires { estado.titulo; })
                return estado.titulo;
            else
                return "";
        },
        controle.membro);
}

class JanelaInteracaoTeste : public ::testing::Test {
protected:
    JanelaInteracaoTeste() {
        janela.observa(
            [this](const Controle& controle) { mudados.insert(std::string(controle.nome)); });
    }

    PastaTemporaria pasta;
    PlataformaFalsa plataforma;
    Janela janela{plataforma, pasta.caminho()};
    std::set<std::string> mudados;
};

TEST_F(JanelaInteracaoTeste, OQueOUsuarioLe) {
    const std::pair<const char*, const char*> textos[] = {
        {"ParametrosCam_tabsheet", "Parâmetros da Câmera"},
        {"TabSheet2", "Parâmetros da Cena"},
        {"TabSheet3", "Atributos do Objeto"},
        {"TabSheet4", "Algoritmos"},
        {"PosicaoFoco_label", "Posição do Foco (C):"},
        {"DirecaoMira_label", "Direção da Mira (N):"},
        {"DirecaoVertical_label", "Direção Vertical (V):"},
        {"DistanciaFocal_label", "Distância Focal (d):"},
        {"Aproximacao_label", "Parâmetro de Aproximação (h):"},
        {"RotacaoCamera_label", "Rotação da Câmera"},
        {"CentroRotacao_label", "Centro da Rotação: "},
        {"Angulo_label", "Ângulo da Rotação (graus):"},
        {"Eixos_de_rotacao_radio", "Eixo de Rotação "},
        {"EfetuarRot_button", "Efetuar Rotação "},
        {"Vermelho_label", "red"},
        {"Verde_label", "green"},
        {"Azul_label", "blue"},
        {"Ia_label", "Energia Luminosa Ambiental (Ia):"},
        {"Ka_label", "Fator de Ponderação da Energia Luminosa Ambiental (Ka):"},
        {"FontesDeLuz_groupbox", "Parâmetros da Fonte de Luz de Número 1"},
        {"Il_label", "Intensidade (Il):"},
        {"Pl_label", "Posição (Pl):"},
        {"Button4", "<----C"},
        {"EdicaoFontes_label", "Edição das Fontes de Luz:"},
        {"Od1_label", "Cor da Reflexão Difusa - Lado 1 (Od1):"},
        {"Os1_label", "Cor da Reflexão Especular - Lado 1 (Os1):"},
        {"Od2_label", "Cor da Reflexão Difusa - Lado 2 (Od2):"},
        {"Os2_label", "Cor da Reflexão Especular - Lado 2 (Ose):"},
        {"Kd_label", "Ponderador de Reflexão Difusa (Kd):"},
        {"Ks_label", "Ponderador de Reflexão Especular(Ks):"},
        {"Rugosidade_label", "Coeficiente de Rugosidade (n):"},
        {"FatorDilZ_label", "Fator de Dilatação em Z:"},
        {"FatorDilZ", "1.0"},
        {"Renderizadores_radio", "Algoritmos Renderizadores"},
        {"Desenhar_button", "Desenhar >>"},
        {"Label59", "Faces que receberão textura: de"},
        {"Mensagem_label", " "},
        {"TModo", "Modo tetraedro"},
        {"Button13", "Habilita 2-4"},
    };
    for (const auto& [nome, esperado] : textos) EXPECT_EQ(texto(janela, C(nome)), esperado) << nome;
    // The object's page shows at start: the third of the four.
    EXPECT_EQ(C("Paginas").em<PainelPaginas>(janela).selecionada, 2);

    // Names are unique and lead back to their control; the fields are those of the four pages
    // (16 camera, 10 scene, 16 object) and of the strip (face range, three colours).
    std::set<std::string_view> nomes;
    int campos = 0;
    for (const Controle& controle : Janela::controles()) {
        EXPECT_TRUE(nomes.insert(controle.nome).second) << controle.nome;
        EXPECT_EQ(Janela::controle(controle.nome), &controle);
        campos += controle.e<CampoTexto>();
        // every button runs a command, and nothing else does
        EXPECT_EQ(controle.clique != nullptr, controle.e<Botao>()) << controle.nome;
    }
    EXPECT_EQ(campos, 47);
    EXPECT_EQ(Janela::controle("Inexistente"), nullptr);
}

TEST_F(JanelaInteracaoTeste, CadaAcaoPublicaSoOQueMudou) {
    // A disabled button does nothing; loading enables it; drawing changes the picture.
    janela.usuario_clica(C("Desenhar_button"));
    EXPECT_TRUE(mudados.empty());
    const auto objeto = pasta.escreve("t.txt", "4 1\n0 0 0\n50 0 0\n0 50 0\n0 0 50\n1 2 3\n");
    janela.usuario_abre_objeto(objeto.string());
    EXPECT_EQ(mudados, (std::set<std::string>{"CompararAlgoritmos_button", "Desenhar_button",
                                              "EnquadrarObjeto_button", "Label58", "Mensagem_label",
                                              "NomeDoArquivo_label", "Reproduzir_button",
                                              "Triangulos_label", "Triangulos_slider"}));
    mudados.clear();
    janela.usuario_clica(C("Desenhar_button"));
    EXPECT_EQ(mudados, (std::set<std::string>{"Imagem", "Mensagem_label"}));

    // The slider the user moved is not echoed back either; its count and the picture are.
    mudados.clear();
    janela.usuario_desliza(C("Triangulos_slider"), 0);
    EXPECT_EQ(mudados, (std::set<std::string>{"Imagem", "Triangulos_label"}));
    EXPECT_EQ(janela.Triangulos_label.texto, "Triângulos: 0 de 1");

    // Typing is not echoed back: the widget already shows it.
    mudados.clear();
    janela.usuario_digita(C("Angulo_edit"), "90");
    janela.usuario_digita(C("Centroz_edit"), "200");
    janela.usuario_seleciona(C("Eixos_de_rotacao_radio"), 2);
    EXPECT_TRUE(mudados.empty());

    // A turn about the vertical, in place, rewrites N: its x and z change, its y stays 0.
    janela.usuario_clica(C("EfetuarRot_button"));
    EXPECT_EQ(mudados, (std::set<std::string>{"Nx_edit", "Nz_edit"}));
    EXPECT_EQ(janela.Nx_edit.texto, "1");

    // The mode cannot start without its colour file: the box the user checked unchecks.
    mudados.clear();
    janela.usuario_marca(C("TModo"), true);
    EXPECT_EQ(mudados, (std::set<std::string>{"Mensagem_label", "TModo"}));
    EXPECT_FALSE(janela.TModo.marcada);

    // Showing another light rewrites the group box caption (its fields show the same texts).
    mudados.clear();
    janela.usuario_clica(C("AdicionarFonte_button"));
    EXPECT_EQ(mudados, (std::set<std::string>{"FontesDeLuz_groupbox"}));
    EXPECT_EQ(janela.FontesDeLuz_groupbox.legenda, "Parâmetros da Fonte de Luz de Número 2");
}

// A refusal names its field to the platform, whichever command made it: the camera, the
// material, the ambient light, a light of the list that is not on show (which then shows), the
// rotation centre and angle, the Z factor. A command that then succeeds points at nothing.
TEST_F(JanelaInteracaoTeste, RecusaApontaOCampo) {
    janela.usuario_abre_objeto(
        pasta.escreve("t.txt", "4 1\n0 0 0\n50 0 0\n0 50 0\n0 0 50\n1 2 3\n").string());
    janela.usuario_seleciona(C("Renderizadores_radio"), 5);
    janela.usuario_clica(C("AdicionarFonte_button"));
    janela.usuario_digita(C("Ply_edit"), "y");
    janela.usuario_clica(C("FontePrevia_button")); // light 2, refused, goes out of sight
    janela.usuario_digita(C("Ply_edit"), "0");
    const struct {
        const char* campo;
        const char* botao;
        const char* mensagem;
    } casos[] = {
        {"Nz_edit", "Desenhar_button", "N.z em formato inválido."},
        {"hy_edit", "EnquadrarObjeto_button", "hy em formato inválido."},
        {"Kd_edit", "Desenhar_button", "kd em formato inválido."},
        {"Ka_edit", "Desenhar_button", "Ka em formato inválido."},
        {"FatorDilZ", "Desenhar_button", "Fator de Dilatação em formato inválido."},
        {"Centroy_edit", "EfetuarRot_button", "Coord. y do Centro Rot. em formato inválido."},
        {"Angulo_edit", "EfetuarRotDes_button", "Ângulo em formato inválido."},
        {"Cx_edit", "Button1", "Coord. x do Centro Rot. em formato inválido."},
    };
    for (const auto& caso : casos) {
        const std::string antes = texto(janela, C(caso.campo));
        janela.usuario_digita(C(caso.campo), "?");
        janela.usuario_clica(C(caso.botao));
        ASSERT_FALSE(plataforma.campos_apontados.empty()) << caso.campo;
        EXPECT_EQ(plataforma.campos_apontados.back(),
                  (std::pair<std::string, std::string>{caso.campo, caso.mensagem}));
        janela.usuario_digita(C(caso.campo), antes);
    }
    plataforma.campos_apontados.clear();
    janela.usuario_clica(C("Desenhar_button"));
    EXPECT_EQ(plataforma.campos_apontados,
              (std::vector<std::pair<std::string, std::string>>{
                  {"Ply_edit", "Posição da Fonte 2 com erro (Coord y)."}}));
    EXPECT_EQ(janela.FontesDeLuz_groupbox.legenda, "Parâmetros da Fonte de Luz de Número 2");
    janela.usuario_digita(C("Ply_edit"), "0");
    plataforma.campos_apontados.clear();
    janela.usuario_clica(C("Desenhar_button"));
    EXPECT_TRUE(plataforma.campos_apontados.empty());
}

TEST_F(JanelaInteracaoTeste, DialogosDizemOQueAbrem) {
    janela.usuario_clica(C("CarregarObj_button"));
    janela.usuario_clica(C("Button2"));
    janela.usuario_clica(C("Button3"));
    EXPECT_EQ(plataforma.dialogos,
              (std::vector<std::string>{"Abrir objeto", "Abrir textura", "Salvar imagem"}));
    EXPECT_EQ(janela.DialogoObjeto.filtros.front(), "Todos os arquivos (*)");
    const auto& texturas = janela.DialogoTextura.filtros;
    ASSERT_EQ(texturas.size(), 2u);
    for (const char* extensao : {"*.bmp", "*.png", "*.jpg", "*.jpeg"}) {
        EXPECT_NE(texturas[0].find(extensao), std::string::npos) << extensao;
    }
    EXPECT_NE(texturas[1].find("(*)"), std::string::npos);
    const auto& salvar = janela.SavePictureDialog1.filtros;
    ASSERT_EQ(salvar.size(), 2u);
    EXPECT_NE(salvar[0].find("*.bmp"), std::string::npos);
    EXPECT_NE(salvar[1].find("*.png"), std::string::npos);
}

TEST_F(JanelaInteracaoTeste, FechamentoRelataFalhaERecusaTudoDepois) {
    // A folder where the camera file should go: the first write fails.
    std::filesystem::remove(pasta.caminho() / "camera.txt");
    std::filesystem::create_directory(pasta.caminho() / "camera.txt");
    janela.FormDestroy();
    EXPECT_EQ(plataforma.erros,
              (std::vector<std::string>{"Erro ao se gravar arquivos de configuração."}));

    // Nothing the user does reaches a closed window, whatever the control.
    mudados.clear();
    const std::string mensagem = janela.Mensagem_label.texto;
    for (const Controle& controle : Janela::controles()) {
        if (controle.e<Botao>()) janela.usuario_clica(controle);
        if (controle.e<CampoTexto>()) janela.usuario_digita(controle, "abc");
        if (controle.e<CaixaMarcacao>())
            janela.usuario_marca(controle, !controle.em<CaixaMarcacao>(janela).marcada);
        if (controle.e<GrupoRadio>() || controle.e<PainelPaginas>())
            janela.usuario_seleciona(controle, 1);
    }
    janela.usuario_abre_objeto((pasta.caminho() / "nada.txt").string());
    janela.FormDestroy();
    EXPECT_TRUE(mudados.empty());
    EXPECT_EQ(janela.Mensagem_label.texto, mensagem);
    EXPECT_EQ(janela.Cx_edit.texto, "0");
    EXPECT_EQ(plataforma.erros.size(), 1u);
    EXPECT_TRUE(plataforma.dialogos.empty());
}

} // namespace
} // namespace quindra
