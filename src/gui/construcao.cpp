#include "gui/construcao.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>
#include <initializer_list>

#include "gui/quadro_widget.hpp"

namespace quindra::gui {

namespace {

using Nomes = std::initializer_list<const char*>;

// Creates widgets named after their controls.
class Construtor {
public:
    explicit Construtor(const Janela& janela) : janela_(janela) {}

    template <typename W> W* cria(const char* nome) const {
        auto* widget = new W;
        widget->setObjectName(QString::fromUtf8(nome));
        return widget;
    }
    QLineEdit* campo(const char* nome) const {
        auto* campo = cria<QLineEdit>(nome);
        campo->setMinimumWidth(60);
        return campo;
    }
    QLabel* rotulo(const char* nome) const {
        auto* rotulo = cria<QLabel>(nome);
        rotulo->setTextFormat(Qt::PlainText); // texts are shown as they are, blanks included
        return rotulo;
    }
    QPushButton* botao(const char* nome) const {
        auto* botao = cria<QPushButton>(nome);
        botao->setAutoDefault(false);
        return botao;
    }
    QPushButton* botao_pequeno(const char* nome) const {
        auto* botao = this->botao(nome);
        botao->setFixedWidth(40);
        return botao;
    }
    // A titled group of radio buttons, one per item of the model's group, with ids 0, 1, ...
    QGroupBox* radio(const char* nome) const {
        auto* caixa = cria<QGroupBox>(nome);
        auto* grupo = new QButtonGroup(caixa);
        auto* coluna = new QVBoxLayout(caixa);
        const auto& itens = Janela::controle(nome)->em<GrupoRadio>(janela_).itens;
        for (int item = 0; item < static_cast<int>(itens.size()); ++item) {
            auto* botao = new QRadioButton;
            grupo->addButton(botao, item);
            coluna->addWidget(botao);
        }
        return caixa;
    }
    // A row of a parameter grid: its label, then its fields in the following columns.
    QLabel* linha(QGridLayout& grade, int numero, const char* nome_rotulo, Nomes campos) const {
        QLabel* legenda = rotulo(nome_rotulo);
        grade.addWidget(legenda, numero, 0);
        int coluna = 1;
        for (const char* nome : campos) grade.addWidget(campo(nome), numero, coluna++);
        return legenda;
    }
    QHBoxLayout* fileira(Nomes botoes, bool pequenos = false) const {
        auto* fileira = new QHBoxLayout;
        for (const char* nome : botoes)
            fileira->addWidget(pequenos ? botao_pequeno(nome) : botao(nome));
        return fileira;
    }

private:
    const Janela& janela_;
};

QLabel* titulo_de_secao(QLabel* rotulo) {
    QFont fonte = rotulo->font();
    fonte.setBold(true);
    rotulo->setFont(fonte);
    return rotulo;
}

// The controls scroll where the screen is too small for them. A plain scroll area would ask
// for a fraction of what its panel needs.
class PainelRolavel : public QScrollArea {
public:
    explicit PainelRolavel(QWidget* painel) {
        setWidget(painel);
        setWidgetResizable(true);
        setFrameShape(QFrame::NoFrame);
    }
    QSize sizeHint() const override {
        const QWidget* painel = widget();
        return painel->sizeHint().expandedTo(painel->minimumSizeHint()) +
               QSize(verticalScrollBar()->sizeHint().width(), 0);
    }
    QSize minimumSizeHint() const override { return {240, 240}; }

protected:
    // The panel's pages are measured only once shown; the window must hear of it.
    bool eventFilter(QObject* objeto, QEvent* evento) override {
        if (objeto == widget() && evento->type() == QEvent::LayoutRequest) updateGeometry();
        return QScrollArea::eventFilter(objeto, evento);
    }
};

QFrame* separador() {
    auto* linha = new QFrame;
    linha->setFrameShape(QFrame::HLine);
    linha->setFrameShadow(QFrame::Sunken);
    return linha;
}

QWidget* pagina_camera(const Construtor& c) {
    auto* pagina = c.cria<QWidget>("ParametrosCam_tabsheet");
    auto* grade = new QGridLayout(pagina);
    c.linha(*grade, 0, "PosicaoFoco_label", {"Cx_edit", "Cy_edit", "Cz_edit"});
    c.linha(*grade, 1, "DirecaoMira_label", {"Nx_edit", "Ny_edit", "Nz_edit"});
    c.linha(*grade, 2, "DirecaoVertical_label", {"Vx_edit", "Vy_edit", "Vz_edit"});
    c.linha(*grade, 3, "DistanciaFocal_label", {"d_edit"});
    c.linha(*grade, 4, "Aproximacao_label", {"hx_edit", "hy_edit"});
    grade->addWidget(c.botao("EnquadrarObjeto_button"), 4, 3);
    grade->addWidget(separador(), 5, 0, 1, 4);
    grade->addWidget(titulo_de_secao(c.rotulo("RotacaoCamera_label")), 6, 0, 1, 4);
    c.linha(*grade, 7, "CentroRotacao_label", {"Centrox_edit", "Centroy_edit", "Centroz_edit"});
    grade->addLayout(c.fileira({"CarregarCtr_button", "CarregarFoco_button", "Button1"}), 8, 1, 1,
                     3);

    auto* giro = new QVBoxLayout;
    auto* angulo = new QHBoxLayout;
    angulo->addWidget(c.rotulo("Angulo_label"));
    angulo->addWidget(c.campo("Angulo_edit"));
    giro->addLayout(angulo);
    giro->addWidget(c.botao("EfetuarRot_button"));
    giro->addWidget(c.botao("EfetuarRotDes_button"));
    giro->addStretch();
    grade->addWidget(c.radio("Eixos_de_rotacao_radio"), 9, 0, 1, 2);
    grade->addLayout(giro, 9, 2, 1, 2);
    grade->setRowStretch(10, 1);
    return pagina;
}

QWidget* pagina_cena(const Construtor& c) {
    auto* pagina = c.cria<QWidget>("TabSheet2");
    auto* grade = new QGridLayout(pagina);
    int coluna = 1;
    for (const char* cabeca : {"Vermelho_label", "Verde_label", "Azul_label"}) {
        grade->addWidget(c.rotulo(cabeca), 0, coluna++, Qt::AlignHCenter);
    }
    c.linha(*grade, 1, "Ia_label", {"IaRed_edit", "IaGreen_edit", "IaBlue_edit"});
    c.linha(*grade, 2, "Ka_label", {"Ka_edit"})->setWordWrap(true); // the longest label

    auto* fonte = c.cria<QGroupBox>("FontesDeLuz_groupbox");
    auto* grade_fonte = new QGridLayout(fonte);
    c.linha(*grade_fonte, 0, "Il_label", {"IlRed_edit", "IlGreen_edit", "IlBlue_edit"});
    c.linha(*grade_fonte, 1, "Pl_label", {"Plx_edit", "Ply_edit", "Plz_edit"});
    grade_fonte->addWidget(c.botao("Button4"), 1, 4);
    grade->addWidget(fonte, 3, 0, 1, 4);

    auto* edicao = c.fileira({"FontePrevia_button", "RemoverFonte_button", "AdicionarFonte_button",
                              "FontePosterior_button"},
                             true);
    edicao->insertWidget(0, c.rotulo("EdicaoFontes_label"));
    edicao->addStretch();
    grade->addLayout(edicao, 4, 0, 1, 4);
    grade->setRowStretch(5, 1);
    return pagina;
}

QWidget* pagina_objeto(const Construtor& c) {
    auto* pagina = c.cria<QWidget>("TabSheet3");
    auto* grade = new QGridLayout(pagina);
    c.linha(*grade, 0, "Od1_label", {"OdiRed_edit", "OdiGreen_edit", "OdiBlue_edit"});
    c.linha(*grade, 1, "Os1_label", {"OsiRed_edit", "OsiGreen_edit", "OsiBlue_edit"});
    c.linha(*grade, 2, "Od2_label", {"OdeRed_edit", "OdeGreen_edit", "OdeBlue_edit"});
    c.linha(*grade, 3, "Os2_label", {"OseRed_edit", "OseGreen_edit", "OseBlue_edit"});
    c.linha(*grade, 4, "Kd_label", {"Kd_edit"});
    c.linha(*grade, 5, "Ks_label", {"Ks_edit"});
    c.linha(*grade, 6, "Rugosidade_label", {"rugosidade_edit"});
    grade->addWidget(separador(), 7, 0, 1, 4);
    c.linha(*grade, 8, "FatorDilZ_label", {"FatorDilZ"});
    grade->setRowStretch(9, 1);
    return pagina;
}

QWidget* pagina_algoritmos(const Construtor& c) {
    auto* pagina = c.cria<QWidget>("TabSheet4");
    auto* coluna = new QVBoxLayout(pagina);
    coluna->addWidget(c.radio("Renderizadores_radio"));
    coluna->addWidget(c.cria<QCheckBox>("MostrarProfundidade_check"));
    coluna->addWidget(c.botao("CompararAlgoritmos_button"), 0, Qt::AlignLeft);
    coluna->addStretch();
    return pagina;
}

QTabWidget* paginas(const Construtor& c) {
    auto* paginas = c.cria<QTabWidget>("Paginas");
    // Titles come from the model; the order is the model's.
    for (QWidget* pagina :
         {pagina_camera(c), pagina_cena(c), pagina_objeto(c), pagina_algoritmos(c)}) {
        paginas->addTab(pagina, QString());
    }
    return paginas;
}

// The loaded object, the commands, the texture's range and the message line.
QLayout* comandos(const Construtor& c) {
    auto* coluna = new QVBoxLayout;
    auto* objeto = new QGridLayout;
    objeto->addWidget(c.rotulo("Objetoemuso_label"), 0, 0);
    QLabel* arquivo = c.rotulo("NomeDoArquivo_label");
    arquivo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred); // a long path is cut
    objeto->addWidget(arquivo, 0, 1);
    objeto->addWidget(c.rotulo("Label57"), 1, 0);
    objeto->addWidget(c.rotulo("Label58"), 1, 1);
    objeto->setColumnStretch(1, 1);
    coluna->addLayout(objeto);

    coluna->addLayout(c.fileira({"CarregarObj_button", "Button2", "Button3", "Desenhar_button"}));

    auto* textura = new QHBoxLayout;
    QLabel* rotulo_textura = titulo_de_secao(c.rotulo("Label56"));
    // Greyed while disabled, maroon once a texture is loaded.
    QPalette paleta = rotulo_textura->palette();
    for (auto grupo : {QPalette::Active, QPalette::Inactive}) {
        paleta.setColor(grupo, QPalette::WindowText, QColor(128, 0, 0));
    }
    rotulo_textura->setPalette(paleta);
    textura->addWidget(rotulo_textura);
    textura->addSpacing(12);
    textura->addWidget(c.rotulo("Label59"));
    QLineEdit* primeira = c.campo("tFacei_edit");
    QLineEdit* ultima = c.campo("tFacef_edit");
    for (QLineEdit* face : {primeira, ultima}) face->setMaximumWidth(90);
    textura->addWidget(primeira);
    textura->addWidget(c.rotulo("Label60"));
    textura->addWidget(ultima);
    textura->addStretch();
    coluna->addLayout(textura);

    QLabel* mensagem = c.rotulo("Mensagem_label");
    mensagem->setFrameShape(QFrame::StyledPanel);
    mensagem->setFrameShadow(QFrame::Sunken);
    mensagem->setMinimumHeight(mensagem->fontMetrics().height() + 8);
    mensagem->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    coluna->addWidget(mensagem);
    return coluna;
}

QWidget* faixa_tetraedros(const Construtor& c) {
    auto* faixa = new QFrame;
    faixa->setFrameShape(QFrame::StyledPanel);
    auto* coluna = new QVBoxLayout(faixa);

    auto* atual = new QHBoxLayout;
    atual->addWidget(c.cria<QCheckBox>("TModo"));
    atual->addSpacing(8);
    atual->addWidget(c.rotulo("Label62"));
    QLabel* numero = c.rotulo("NumTet");
    numero->setMinimumWidth(numero->fontMetrics().horizontalAdvance(QStringLiteral("80")));
    atual->addWidget(numero);
    for (const char* nome : {"Button15", "Button5", "Button6", "Button14"})
        atual->addWidget(c.botao_pequeno(nome));
    for (const char* nome : {"TetCor_red", "TetCor_green", "TetCor_blue"}) {
        QLineEdit* cor = c.campo(nome);
        cor->setMaximumWidth(60);
        atual->addWidget(cor);
    }
    atual->addWidget(c.cria<QCheckBox>("THabil"));
    atual->addStretch();
    coluna->addLayout(atual);

    coluna->addLayout(c.fileira(
        {"Button7", "Button8", "Button9", "Button10", "Button11", "Button12", "Button13"}));
    return faixa;
}

// The image, and beneath it the slider that replays the order of the painted triangles.
QLayout* imagem(const Construtor& c) {
    auto* coluna = new QVBoxLayout;
    coluna->addWidget(c.cria<QuadroWidget>("Imagem"), 0, Qt::AlignHCenter);
    auto* ordem = new QHBoxLayout;
    QLabel* contagem = c.rotulo("Triangulos_label");
    // room for counts of eight digits, so that the slider does not move as K grows
    contagem->setMinimumWidth(contagem->fontMetrics().horizontalAdvance(
        QStringLiteral("Triângulos: 88888888 de 88888888")));
    ordem->addWidget(contagem);
    auto* deslizador = c.cria<QSlider>("Triangulos_slider");
    deslizador->setOrientation(Qt::Horizontal);
    ordem->addWidget(deslizador, 1);
    ordem->addWidget(c.botao("Reproduzir_button"));
    coluna->addLayout(ordem);
    coluna->addStretch();
    return coluna;
}

} // namespace

void constroi_janela(QWidget& forma, const Janela& janela) {
    const Construtor c(janela);
    auto* painel = new QWidget;
    auto* esquerda = new QVBoxLayout(painel);
    esquerda->setContentsMargins({});
    esquerda->addWidget(paginas(c), 1);
    esquerda->addLayout(comandos(c));
    esquerda->addWidget(faixa_tetraedros(c));

    auto* linha = new QHBoxLayout(&forma);
    linha->addWidget(new PainelRolavel(painel), 1);
    linha->addLayout(imagem(c));
}

} // namespace quindra::gui
