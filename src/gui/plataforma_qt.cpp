#include "gui/plataforma_qt.hpp"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStringList>

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

void PlataformaQt::relata_erro_de_digitacao(const std::string& campo, const std::string& mensagem) {
    if (!janela_) return;
    if (auto* edicao = janela_->findChild<QLineEdit*>(QString::fromStdString(campo))) {
        marca_campo_invalido(*edicao, QString::fromStdString(mensagem));
    }
}

} // namespace quindra::gui
