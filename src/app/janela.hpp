// The main window as a model: the state of every control, named after the control, and every
// command, named after its handler. Commands read and write this state and the rendering
// session, never a widget, so the whole program runs and is tested without a display.
#pragma once

#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/controle.hpp"
#include "app/controles.hpp"
#include "app/parametros.hpp"
#include "app/plataforma.hpp"
#include "app/sessao.hpp"
#include "render/algoritmos.hpp"

namespace quindra {

/// A turn of the camera about one of its axes, in degrees.
struct Giro {
    EixoRotacao eixo;
    double graus;
};

/// The captions of the algorithm choices, in their order.
std::vector<std::string> nomes_dos_algoritmos();

/// Whether the configuration files are written back (the desktop window), only read (a window
/// that must leave its folder untouched), or not used at all (the window's initial values, for
/// drawing from memory alone).
enum class Persistencia { le_e_grava, so_le, nenhuma };

struct ArquivoLido {
    std::string_view nome; // "camera.txt", "cena.txt" or "objeto.txt"
    SituacaoArquivo situacao = SituacaoArquivo::ausente;
    // Kept as it stands, never replaced nor written at close: the user made it read-only, or it
    // could not be read for lack of permission.
    bool preservado = false;
};

/// A replay paints every triangle in this time, however many there are.
inline constexpr std::chrono::milliseconds DURACAO_REPRODUCAO{5000};

inline const std::string ERRO_AO_GRAVAR_CONFIGURACAO =
    "Erro ao se gravar arquivos de configuração.";

/// The fields a Draw and a rotation read are the window's Parametros; the rest of its controls
/// are its own.
class Janela : public Parametros {
public:
    /// The start-up sequence: controls with their initial texts, the frame, the configuration
    /// files of the folder, the tetrahedron table.
    Janela(Plataforma& plataforma, std::filesystem::path diretorio,
           Persistencia persistencia = Persistencia::le_e_grava);

    /// The user asks to close: writes the configuration files (unless only reading); when that
    /// fails, the platform asks whether to try again, close without them, or stay open. True
    /// when the window may close.
    bool FormCloseQuery();
    /// Closing the window: writes the configuration files, unless FormCloseQuery settled them,
    /// and reports a failed write through the platform, since the message line of a closing
    /// window is never seen (the way out of a signal or the end of the desktop session). From
    /// then on every user action is refused.
    void FormDestroy();

    // --- the window as a toolkit sees it (janela_interacao.cpp) ---------------------------------
    /// Every control, in a fixed order.
    static std::span<const Controle> controles();
    /// The control of that name, or none.
    static const Controle* controle(std::string_view nome);
    /// From now on, after every user action, observador is called once for each control whose
    /// state the action changed, in the order of controles(); the user's own edit is not among
    /// them, since the widget already shows it.
    void observa(std::function<void(const Controle&)> observador);
    /// The user typed into a field: its change handler runs.
    void usuario_digita(const Controle& campo, std::string texto);
    /// The user clicked a button: its command runs.
    void usuario_clica(const Controle& botao);
    /// The user checked or unchecked a box: its handler runs.
    void usuario_marca(const Controle& caixa, bool marcada);
    /// The user chose an item of a radio group or a page of the tabbed panel.
    void usuario_seleciona(const Controle& grupo, int indice);
    /// The user asked for this object file without the dialog (dropped it, named it at start).
    void usuario_abre_objeto(const std::string& arquivo);
    bool fechada() const { return fechada_; }
    /// A user action is still running (a long draw keeps the event loop turning).
    bool ocupada() const { return ocupada_; }

    // --- the camera moved in the image area
    // --------------------------------------------------------
    /// A drag: turns the camera about the rotation centre by each turn in order, as "Efetuar
    /// Rotação" does, then draws once with the current choice, or as a wireframe when previa
    /// (for a choice too slow to follow the mouse).
    void usuario_gira(std::span<const Giro> giros, bool previa);
    /// An arrow key: the same turn by the angle of Angulo_edit, one way (+1) or the other (-1),
    /// then a Draw.
    void usuario_gira_pelo_angulo(int eixo, int sentido);
    /// The wheel: moves C along N by a fraction of its distance to the rotation centre, towards
    /// it when positive, never reaching or passing it; then draws as usuario_gira does.
    void usuario_aproxima(double fracao, bool previa);
    /// The end of a drag: a Draw with the current choice.
    void usuario_termina_arrasto();
    /// A click on the image area at pixel (x, y): while it shows the sheet of every algorithm,
    /// a cell selects its choice and draws it.
    void usuario_clica_imagem(int x, int y);
    /// The user moved a slider: the triangle slider stops a replay and draws the first valor
    /// triangles with the current choice.
    void usuario_desliza(const Controle& deslizador, int valor);
    /// A step of the replay, decorrido after it started: draws the triangles due by then, all
    /// of them DURACAO_REPRODUCAO after the start, when the replay ends.
    void usuario_reproduz(std::chrono::duration<double> decorrido);
    bool reproduzindo() const { return reproduzindo_; }
    /// The image area shows the sheet of every algorithm.
    bool mostra_folha() const { return folha_.has_value(); }
    /// How long the last Draw with the current choice took.
    std::chrono::duration<double, std::milli> duracao_ultimo_desenho() const {
        return duracao_ultimo_desenho_;
    }

    // --- user actions on controls that have handlers ---------------------------------------
    /// Sets a field's text as typing would, running its change handler when the text changes.
    void altera_texto(CampoTexto& campo, std::string texto);
    /// Sets a check box, running its click handler when the state changes.
    void marca(CaixaMarcacao& caixa, bool marcada);
    /// A click on a check box: toggles it and runs its handler.
    void clica(CaixaMarcacao& caixa);

    // --- main window and Draw ---------------------------------------------------------------
    void Desenhar_buttonClick();
    void CarregarObj_buttonClick();
    /// The load-object command once a file is chosen.
    void carrega_objeto_de(const std::string& arquivo);
    // --- texture and image files ------------------------------------------------------------
    void Button2Click(); // load texture
    void Button3Click(); // save image
    // --- camera rotation --------------------------------------------------------------------
    void EfetuarRot_buttonClick();
    void EfetuarRotDes_buttonClick();
    void CarregarCtr_buttonClick();
    void EnquadrarObjeto_buttonClick(); // the object just fills the frame, then a Draw
    void CarregarFoco_buttonClick();
    void Button1Click(); // centre := C + d N
    void Button4Click(); // light position := C
    // --- light source editor ----------------------------------------------------------------
    void atualiza_fonte_visivel();
    void FontePrevia_buttonClick();
    void FontePosterior_buttonClick();
    void AdicionarFonte_buttonClick();
    void RemoverFonte_buttonClick();
    // --- tetrahedron mode -------------------------------------------------------------------
    void TModoClick();
    void Button5Click();  // "<"
    void Button6Click();  // ">"
    void Button14Click(); // "+10"
    void Button15Click(); // "-10"
    void THabilClick();
    // --- "Algoritmos" and the image area (janela_vistas.cpp) ------------------------------
    void MostrarProfundidade_checkClick();
    void CompararAlgoritmos_buttonClick();
    void Renderizadores_radioClick(); // a choice picked: only 0 to 6 paint triangles in turn
    void Reproduzir_buttonClick();
    void Button7Click();  // disable all
    void Button8Click();  // "Habilita 1-2"
    void Button9Click();  // "Habilita 2-3"
    void Button10Click(); // "Habilita 3-4"
    void Button11Click(); // "Habilita 1-3"
    void Button12Click(); // "Habilita 1-4"
    void Button13Click(); // "Habilita 2-4"
    void TetCor_redChange();
    void TetCor_greenChange();
    void TetCor_blueChange();

    // --- configuration files ----------------------------------------------------------------
    void carrega_configuracao();
    /// Writes the three files from the fields, each whole or not at all, except those start-up
    /// found preserved (nothing unless the window writes its configuration); false, with the
    /// message on Mensagem_label, when any write failed. Not while a draw runs.
    bool grava_configuracao();
    void descarrega_configuracao();
    /// What start-up made of camera.txt, cena.txt and objeto.txt, in that order.
    const std::array<ArquivoLido, 3>& configuracao_lida() const { return configuracao_lida_; }

    /// The object, the texture, the camera, the frame, the lights and the tetrahedra.
    Sessao sessao;

    // --- controls outside the pages ---------------------------------------------------------
    const std::string TForm1 = "Sistema de Quindra Para ObjetosTriangularizados"; // caption
    // The open dialog says what it opens. Objects come under any name, so the dialog shows
    // every file until the user picks the list of known mesh formats.
    const DialogoArquivo DialogoObjeto{
        "Abrir objeto",
        {"Todos os arquivos (*)", "Objetos 3D (*.txt *.obj *.stl *.ply *.off *.gltf *.glb)"}};
    const DialogoArquivo DialogoTextura{
        "Abrir textura",
        {"Imagens BMP, PNG e JPEG (*.bmp *.png *.jpg *.jpeg)", "Todos os arquivos (*)"}};
    const DialogoArquivo SavePictureDialog1{"Salvar imagem",
                                            {"Imagem BMP (*.bmp)", "Imagem PNG (*.png)"}};
    PainelPaginas Paginas{2}; // "Atributos do Objeto" shows at start
    Pagina ParametrosCam_tabsheet{"Parâmetros da Câmera"};
    Pagina TabSheet2{"Parâmetros da Cena"};
    Pagina TabSheet3{"Atributos do Objeto"};
    Pagina TabSheet4{"Algoritmos"};
    Bitmap Imagem{LADO_TELA, LADO_TELA};
    Botao Desenhar_button{"Desenhar >>", false};
    Botao CarregarObj_button{"Carregar Objeto"};
    Botao Button2{"Carregar Textura"};
    Botao Button3{"Salvar Imagem"};
    Rotulo Objetoemuso_label{"Objeto Atual:"};
    Rotulo NomeDoArquivo_label{"Nenhum objeto em uso."};
    Rotulo Mensagem_label{" "};
    Rotulo Label57{"Número de Faces:"};
    Rotulo Label58{"0"};
    Rotulo Label56{"TEXTURA", false};
    Rotulo Label59{"Faces que receberão textura: de"};
    Rotulo Label60{"até"};
    Rotulo Label62{"#Tet:"};
    Rotulo NumTet{"1"};
    CampoTexto TetCor_red{"128"}, TetCor_green{"128"}, TetCor_blue{"128"};
    Botao Button15{"-10"}, Button5{"<"}, Button6{">"}, Button14{"+10"};
    CaixaMarcacao THabil{"Habilitado", true};
    CaixaMarcacao TModo{"Modo tetraedro", false};
    Botao Button7{"Desabilita todos"};
    Botao Button8{"Habilita 1-2"}, Button9{"Habilita 2-3"}, Button10{"Habilita 3-4"};
    Botao Button11{"Habilita 1-3"}, Button12{"Habilita 1-4"}, Button13{"Habilita 2-4"};

    // --- "Parâmetros da Câmera" ---------------------------------------------------------------
    Rotulo PosicaoFoco_label{"Posição do Foco (C):"};
    Rotulo DirecaoMira_label{"Direção da Mira (N):"};
    Rotulo DirecaoVertical_label{"Direção Vertical (V):"};
    Rotulo DistanciaFocal_label{"Distância Focal (d):"};
    Rotulo Aproximacao_label{"Parâmetro de Aproximação (h):"};
    Rotulo RotacaoCamera_label{"Rotação da Câmera"};
    Rotulo CentroRotacao_label{"Centro da Rotação: "};
    Rotulo Angulo_label{"Ângulo da Rotação (graus):"};
    Botao CarregarCtr_button{"Carregar Centro do Objeto"};
    Botao EnquadrarObjeto_button{"Enquadrar Objeto", false};
    Botao CarregarFoco_button{"Carregar C"};
    Botao Button1{"Carregar C + dN"};
    GrupoRadio Eixos_de_rotacao_radio{"Eixo de Rotação ",
                                      {"Rotação em torno da Mira", "Rotação em torno da Horizontal",
                                       "Rotação em torno da Vertical"}};
    Botao EfetuarRot_button{"Efetuar Rotação "};
    Botao EfetuarRotDes_button{"Efetuar Rotação + Desenhar"};

    // --- "Parâmetros da Cena" -----------------------------------------------------------------
    Rotulo Vermelho_label{"red"}, Verde_label{"green"}, Azul_label{"blue"};
    Rotulo Ia_label{"Energia Luminosa Ambiental (Ia):"};
    Rotulo Ka_label{"Fator de Ponderação da Energia Luminosa Ambiental (Ka):"};
    Rotulo Il_label{"Intensidade (Il):"};
    Rotulo Pl_label{"Posição (Pl):"};
    Rotulo EdicaoFontes_label{"Edição das Fontes de Luz:"};
    CaixaGrupo FontesDeLuz_groupbox{"Parâmetros da Fonte de Luz de Número 1"};
    CampoTexto IlRed_edit{"255"}, IlGreen_edit{"255"}, IlBlue_edit{"255"};
    CampoTexto Plx_edit{"0"}, Ply_edit{"0"}, Plz_edit{"0"};
    Botao Button4{"<----C"};
    Botao FontePrevia_button{"<"}, RemoverFonte_button{"-"};
    Botao AdicionarFonte_button{"+"}, FontePosterior_button{">"};

    // --- "Atributos do Objeto" ----------------------------------------------------------------
    Rotulo Od1_label{"Cor da Reflexão Difusa - Lado 1 (Od1):"};
    Rotulo Os1_label{"Cor da Reflexão Especular - Lado 1 (Os1):"};
    Rotulo Od2_label{"Cor da Reflexão Difusa - Lado 2 (Od2):"};
    Rotulo Os2_label{"Cor da Reflexão Especular - Lado 2 (Ose):"};
    Rotulo Kd_label{"Ponderador de Reflexão Difusa (Kd):"};
    Rotulo Ks_label{"Ponderador de Reflexão Especular(Ks):"};
    Rotulo Rugosidade_label{"Coeficiente de Rugosidade (n):"};
    Rotulo FatorDilZ_label{"Fator de Dilatação em Z:"};

    // --- "Algoritmos" -------------------------------------------------------------------------
    GrupoRadio Renderizadores_radio{"Algoritmos Renderizadores", nomes_dos_algoritmos()};
    /// Shows the last Draw's depth buffer instead of its frame, when that Draw kept one.
    CaixaMarcacao MostrarProfundidade_check{"Mostrar Profundidade", false};
    /// Draws the scene with every choice into one sheet (Ctrl+K).
    Botao CompararAlgoritmos_button{"Comparar Algoritmos", false};

    // --- beneath the image: the order in which the current choice paints -------------------
    Rotulo Triangulos_label{"Triângulos: 0 de 0"};
    Deslizador Triangulos_slider{0, 0, false};
    Botao Reproduzir_button{"Reproduzir", false};

private:
    // Runs a reader's message through the message line; true when it means success.
    bool aceita(const std::string& mensagem);
    // A field's text refused by the window itself: the message on the message line, and the
    // field pointed at as the session's refusals are.
    void recusa(const std::string& mensagem, std::string_view texto);
    // After an action that ended in a refusal of a field: that field, on show (a light of the
    // list is shown first); none otherwise.
    const Controle* campo_recusado();
    // The light field whose text, in the light list, is this one, with its light on show; none
    // when the text is not in the list.
    const CampoTexto* campo_da_fonte(std::string_view texto);
    // The last Draw's frame, or its depth buffer when the box asks for it and there is one.
    void mostra_imagem();
    // The triangle slider at k of the loaded object's triangles, its label with it.
    void posiciona_triangulos(std::size_t k);
    // A Draw of the current choice that paints only the first k triangles.
    void desenha_ate(std::size_t k);
    void para_reproducao();
    // Draw with this algorithm, whatever the choice list shows; with ate, only the first
    // triangles it paints.
    void desenha_com(std::optional<Algoritmo> algoritmo, std::optional<std::size_t> ate = {});
    // The rotation centre's fields; none, with the failing field's message shown, when one
    // does not hold a number.
    std::optional<Ponto> le_centro_rotacao();
    // The turn by the angle of Angulo_edit about eixo, one way or the other.
    void gira_pelo_angulo(int eixo, int sentido);
    // Moves C along N by a fraction of its distance to the rotation centre (see usuario_aproxima).
    void aproxima_camera(double fracao);
    // A Draw as a wireframe, or with the current choice.
    void redesenha(bool previa);
    // Shows entry t of the tetrahedron table in its controls.
    void mostra_tetraedro(std::int32_t t);
    // Stores a colour field into the current tetrahedron entry.
    void guarda_cor_tetraedro(const CampoTexto& campo, double Cor::*canal);
    // Enables one of the predefined sets of tetrahedra and shows its first entry.
    void habilita_conjunto(int botao);
    // Shows light n of the list in the light fields and the group box caption.
    void mostra_fonte(std::int32_t n);
    // Inserts a white light at the origin into ListaDeFontes, its six texts from that entry on.
    void insere_fonte_padrao(std::size_t entrada);
    // Shows the entry passo entries away from the current one, when the table has it.
    void avanca_tetraedro(std::int32_t passo);

    // The enumerated control whose state is this field.
    const Controle& controle_de(const CampoTexto& campo) const;
    // Runs a user action, unless the window is closed, and reports what it changed.
    template <typename Acao> void executa(Acao acao);
    // Tells the observer of every control whose state differs from what the widgets show.
    void publica_mudancas();
    // Records that the widget of this control shows its current state (the user put it there).
    void registra_mostrado(const Controle& controle);

    Plataforma& plataforma_;
    Persistencia persistencia_;
    std::array<ArquivoLido, 3> configuracao_lida_;
    bool em_TModoClick_ = false; // TModoClick sets its own box without running again
    std::chrono::duration<double, std::milli> duracao_ultimo_desenho_{0};
    bool fechada_ = false;
    bool configuracao_resolvida_ = false; // written at close, or the user closed without it
    bool ocupada_ = false;                // a user action is running
    std::optional<Folha> folha_;          // the sheet on show, cells LADO_TELA / 3 wide
    bool reproduzindo_ = false;
    std::function<void(const Controle&)> observador_;
    std::vector<EstadoControle> mostrado_; // what the widgets show, one state per control
};

} // namespace quindra
