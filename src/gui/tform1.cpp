#include "gui/tform1.hpp"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>

#include "gui/construcao.hpp"
#include "gui/marcas.hpp"

namespace quindra::gui {

namespace {

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
    auto* sair = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    connect(sair, &QShortcut::activated, this, &QWidget::close);
}

void TForm1::atalho(const QKeySequence& teclas, const char* botao) {
    auto* alvo = findChild<QPushButton*>(QString::fromUtf8(botao));
    auto* atalho = new QShortcut(teclas, this);
    connect(atalho, &QShortcut::activated, alvo, &QPushButton::click);
}

void TForm1::closeEvent(QCloseEvent* evento) {
    // A failed write is reported in a message box before the window goes.
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
