#include "gui/tform1.hpp"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>

#include "gui/construcao.hpp"
#include "gui/marcas.hpp"
#include "gui/quadro_widget.hpp"

namespace quindra::gui {

namespace {

// A choice that draws within this time is redrawn at every step of a drag.
constexpr std::chrono::milliseconds DESENHO_QUE_ACOMPANHA{40};
constexpr std::chrono::milliseconds ESPERA_REDESENHO{250};

// The first local file among dropped items, or an empty text.
QString arquivo_solto(const QMimeData* dados) {
    if (!dados) return {};
    for (const QUrl& endereco : dados->urls()) {
        if (endereco.isLocalFile()) return endereco.toLocalFile();
    }
    return {};
}

} // namespace

TForm1::TForm1(Plataforma& plataforma, const std::filesystem::path& pasta)
    : janela_(plataforma, pasta) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QString::fromStdString(janela_.TForm1));
    constroi_janela(*this, janela_);
    ligacao_ = std::make_unique<Ligacao>(janela_, *this);
    setAcceptDrops(true);
    atalho(QKeySequence(Qt::CTRL | Qt::Key_O), "CarregarObj_button");
    atalho(QKeySequence(Qt::CTRL | Qt::Key_T), "Button2");
    atalho(QKeySequence(Qt::CTRL | Qt::Key_S), "Button3");
    atalho(QKeySequence(Qt::CTRL | Qt::Key_K), "CompararAlgoritmos_button");
    // F alone: a field being typed into takes its letters first.
    atalho(QKeySequence(Qt::Key_F), "EnquadrarObjeto_button");
    auto* sair = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(sair, &QShortcut::activated, this, &QWidget::close);
    liga_movimentos_da_camera();
    liga_reproducao();
}

void TForm1::liga_reproducao() {
    reproducao_ = new QTimer(this);
    connect(reproducao_, &QTimer::timeout, this, [this] {
        janela_.usuario_reproduz(std::chrono::milliseconds(inicio_reproducao_.elapsed()));
        if (!janela_.reproduzindo()) reproducao_->stop();
    });
    // Runs after the window's own handler, which the binding connected first.
    auto* reproduzir = findChild<QPushButton*>(QStringLiteral("Reproduzir_button"));
    connect(reproduzir, &QPushButton::clicked, this, [this] {
        if (!janela_.reproduzindo()) return reproducao_->stop();
        inicio_reproducao_.start();
        reproducao_->start(0);
    });
}

bool TForm1::lento() const { return janela_.duracao_ultimo_desenho() > DESENHO_QUE_ACOMPANHA; }

void TForm1::liga_movimentos_da_camera() {
    redesenho_ = new QTimer(this);
    redesenho_->setSingleShot(true);
    redesenho_->setInterval(ESPERA_REDESENHO);
    connect(redesenho_, &QTimer::timeout, this, [this] { janela_.usuario_termina_arrasto(); });
    // A slow choice is drawn in full only once the mouse or the wheel has rested a moment.
    const auto adia_redesenho = [this](bool previa) {
        if (previa) redesenho_->start();
    };
    auto* quadro = findChild<QuadroWidget*>(QStringLiteral("Imagem"));
    quadro->define_movimentos({
        .gira =
            [this, adia_redesenho](const std::vector<Giro>& giros) {
                const bool previa = lento() || redesenho_->isActive();
                janela_.usuario_gira(giros, previa);
                adia_redesenho(previa);
            },
        .solta =
            [this] {
                if (redesenho_->isActive()) redesenho_->start(0);
            },
        .aproxima =
            [this, adia_redesenho](double fracao) {
                const bool previa = lento() || redesenho_->isActive();
                janela_.usuario_aproxima(fracao, previa);
                adia_redesenho(previa);
            },
        .tecla = [this](EixoRotacao eixo,
                        int sentido) { janela_.usuario_gira_pelo_angulo(eixo, sentido); },
        .clica = [this](QPoint ponto) { janela_.usuario_clica_imagem(ponto.x(), ponto.y()); },
        .enquadra =
            [this] { findChild<QPushButton*>(QStringLiteral("EnquadrarObjeto_button"))->click(); },
    });
}

void TForm1::atalho(const QKeySequence& teclas, const char* botao) {
    auto* alvo = findChild<QPushButton*>(QString::fromUtf8(botao));
    auto* atalho = new QShortcut(teclas, this);
    connect(atalho, &QShortcut::activated, alvo, &QPushButton::click);
}

void TForm1::closeEvent(QCloseEvent* evento) {
    // Not while a draw uses the state that closing frees; cancelling it comes first.
    if (janela_.ocupada()) return evento->ignore();
    // A failed write asks the user whether to try again, close anyway or stay.
    if (!janela_.FormCloseQuery()) return evento->ignore();
    janela_.FormDestroy();
    evento->accept();
}

void TForm1::dragEnterEvent(QDragEnterEvent* evento) {
    if (!arquivo_solto(evento->mimeData()).isEmpty()) evento->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* evento) {
    const QString arquivo = arquivo_solto(evento->mimeData());
    if (arquivo.isEmpty()) return;
    evento->acceptProposedAction();
    mostra_ocupado();
    janela_.usuario_abre_objeto(arquivo.toStdString());
}

} // namespace quindra::gui
