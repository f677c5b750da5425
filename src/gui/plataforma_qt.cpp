#include "gui/plataforma_qt.hpp"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStringList>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <future>
#include <memory>

#include "gui/marcas.hpp"

namespace quindra::gui {

namespace {

QString filtros_qt(const DialogoArquivo& dialogo) {
    QStringList filtros;
    for (const std::string& filtro : dialogo.filtros) filtros << QString::fromStdString(filtro);
    return filtros.join(QStringLiteral(";;"));
}

// The first extension of a filter such as "Imagem PNG (*.png)", or none.
QString extensao_do_filtro(const QString& filtro) {
    static const QRegularExpression padrao(QStringLiteral(R"(\*\.(\w+))"));
    return padrao.match(filtro).captured(1);
}

// Keeps the folder of a chosen file for the next time; none when the user cancelled.
std::optional<std::string> escolhido(const QString& arquivo, QString& pasta) {
    if (arquivo.isEmpty()) return std::nullopt;
    pasta = QFileInfo(arquivo).absolutePath();
    mostra_ocupado(); // what follows a choice is a load or a save
    return arquivo.toStdString();
}

// A draw shorter than this shows no progress; the window looks at a running one this often.
constexpr int ESPERA_PROGRESSO_MS = 500;
constexpr std::chrono::milliseconds INTERVALO{15};

} // namespace

std::optional<std::string> PlataformaQt::escolhe_arquivo_para_abrir(const DialogoArquivo& dialogo) {
    const QString arquivo = QFileDialog::getOpenFileName(
        janela_, QString::fromStdString(dialogo.titulo), pasta_abrir_, filtros_qt(dialogo));
    return escolhido(arquivo, pasta_abrir_);
}

std::optional<std::string>
PlataformaQt::escolhe_arquivo_para_salvar(const DialogoArquivo& dialogo) {
    QString filtro;
    QString arquivo = QFileDialog::getSaveFileName(janela_, QString::fromStdString(dialogo.titulo),
                                                   pasta_salvar_, filtros_qt(dialogo), &filtro);
    // A name without extension gets the one of the chosen type, which decides the format.
    if (!arquivo.isEmpty() && QFileInfo(arquivo).suffix().isEmpty()) {
        if (const QString extensao = extensao_do_filtro(filtro); !extensao.isEmpty()) {
            arquivo += QLatin1Char('.') + extensao;
        }
    }
    return escolhido(arquivo, pasta_salvar_);
}

void PlataformaQt::relata_erro(const std::string& mensagem) {
    QMessageBox::critical(janela_, QStringLiteral("Erro"), QString::fromStdString(mensagem));
}

RespostaFalhaAoGravar PlataformaQt::pergunta_apos_falha_ao_gravar(const std::string& mensagem) {
    QMessageBox pergunta(QMessageBox::Warning, QStringLiteral("Erro"),
                         QString::fromStdString(mensagem), QMessageBox::NoButton, janela_);
    pergunta.setInformativeText(
        QStringLiteral("Os valores digitados ainda não foram gravados. Tentar de novo, fechar "
                       "sem gravar ou continuar com a janela aberta?"));
    QPushButton* tentar =
        pergunta.addButton(QStringLiteral("Tentar de novo"), QMessageBox::AcceptRole);
    QPushButton* fechar =
        pergunta.addButton(QStringLiteral("Fechar sem gravar"), QMessageBox::DestructiveRole);
    QPushButton* continuar =
        pergunta.addButton(QStringLiteral("Continuar aberta"), QMessageBox::RejectRole);
    pergunta.setDefaultButton(tentar);
    pergunta.setEscapeButton(continuar);
    pergunta.exec();
    if (pergunta.clickedButton() == tentar) return RespostaFalhaAoGravar::tentar_de_novo;
    if (pergunta.clickedButton() == fechar) return RespostaFalhaAoGravar::fechar_sem_gravar;
    return RespostaFalhaAoGravar::continuar_aberta;
}

void PlataformaQt::acompanha_desenho(const std::function<void()>& desenho,
                                     const ProgressoDesenho& progresso) {
    // The draw runs on a thread of its own while this one keeps the window painted. Until the
    // progress dialog, which is modal, appears, the user's input waits in the queue: nothing
    // may reach the window's state while the draw uses it.
    mostra_ocupado();
    desenhando_ = true;
    cancelar_ = progresso.cancelar;
    auto tarefa = std::async(std::launch::async, desenho);
    QElapsedTimer relogio;
    relogio.start();
    std::unique_ptr<QProgressDialog> dialogo;
    while (tarefa.wait_for(INTERVALO) != std::future_status::ready) {
        if (!dialogo && progresso.total > 0 && relogio.elapsed() > ESPERA_PROGRESSO_MS) {
            dialogo = std::make_unique<QProgressDialog>(
                QString::fromUtf8(progresso.legenda.data(), qsizetype(progresso.legenda.size())),
                QStringLiteral("Cancelar"), 0, progresso.total, janela_);
            dialogo->setWindowModality(Qt::WindowModal);
            dialogo->setMinimumDuration(0);
            // Esc or the button: the draw stops at its next band and the frame stays as it was.
            QObject::connect(dialogo.get(), &QProgressDialog::canceled,
                             [cancelar = progresso.cancelar] {
                                 if (cancelar) *cancelar = true;
                             });
        }
        if (dialogo) dialogo->setValue(std::min(progresso.feitas->load(), progresso.total));
        QCoreApplication::processEvents(dialogo ? QEventLoop::AllEvents
                                                : QEventLoop::ExcludeUserInputEvents);
    }
    desenhando_ = false;
    cancelar_ = nullptr;
    tarefa.get();
}

void PlataformaQt::cancela_desenho() {
    if (cancelar_) *cancelar_ = true;
}

void PlataformaQt::aponta_campo(const std::string& campo, const std::string& mensagem) {
    if (!janela_) return;
    auto* edicao = janela_->findChild<QLineEdit*>(QString::fromStdString(campo));
    if (!edicao) return;
    marca_campo_invalido(*edicao, QString::fromStdString(mensagem));
    // Once the command is over, so that the page change reaches the window as the user's own.
    QTimer::singleShot(0, edicao, [edicao] {
        for (QWidget* acima = edicao->parentWidget(); acima; acima = acima->parentWidget()) {
            if (auto* paginas = qobject_cast<QTabWidget*>(acima)) {
                for (int i = 0; i < paginas->count(); ++i)
                    if (paginas->widget(i)->isAncestorOf(edicao)) paginas->setCurrentIndex(i);
            } else if (auto* rolagem = qobject_cast<QScrollArea*>(acima)) {
                rolagem->ensureWidgetVisible(edicao);
            }
        }
        edicao->setFocus(Qt::OtherFocusReason);
    });
}

void PlataformaQt::relata_erro_de_digitacao(const std::string& campo, const std::string& mensagem) {
    if (!janela_) return;
    if (auto* edicao = janela_->findChild<QLineEdit*>(QString::fromStdString(campo))) {
        marca_campo_invalido(*edicao, QString::fromStdString(mensagem));
    }
}

} // namespace quindra::gui
