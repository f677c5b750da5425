#include "gui/ligacao.hpp"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include "gui/marcas.hpp"
#include "gui/quadro_widget.hpp"

namespace quindra::gui {

namespace {

template <typename... F> struct Sobrecarga : F... { using F::operator()...; };

QString q(const std::string& texto) { return QString::fromStdString(texto); }

// The widget class each kind of control is shown by.
template <typename Estado> struct WidgetDe;
template <> struct WidgetDe<CampoTexto> { using Tipo = QLineEdit; };
template <> struct WidgetDe<Rotulo> { using Tipo = QLabel; };
template <> struct WidgetDe<Botao> { using Tipo = QPushButton; };
template <> struct WidgetDe<CaixaMarcacao> { using Tipo = QCheckBox; };
template <> struct WidgetDe<GrupoRadio> { using Tipo = QGroupBox; };
template <> struct WidgetDe<CaixaGrupo> { using Tipo = QGroupBox; };
template <> struct WidgetDe<Pagina> { using Tipo = QWidget; };
template <> struct WidgetDe<PainelPaginas> { using Tipo = QTabWidget; };
template <> struct WidgetDe<Deslizador> { using Tipo = QSlider; };
template <> struct WidgetDe<Bitmap> { using Tipo = QuadroWidget; };

} // namespace

Ligacao::Ligacao(Janela& janela, QWidget& raiz) : janela_(janela), raiz_(raiz) {
    paginas_ = raiz.findChild<QTabWidget*>(QStringLiteral("Paginas"));
    for (const Controle& controle : Janela::controles()) {
        const QString nome =
            QString::fromUtf8(controle.nome.data(), qsizetype(controle.nome.size()));
        QWidget* achado = raiz.findChild<QWidget*>(nome);
        // A control without its widget is a fault of the window's construction.
        const bool do_tipo = std::visit(
            [&](auto membro) {
                using Estado = std::remove_cvref_t<decltype(janela.*membro)>;
                return dynamic_cast<typename WidgetDe<Estado>::Tipo*>(achado) != nullptr;
            },
            controle.membro);
        if (!do_tipo || !paginas_) qFatal("Controle sem widget do seu tipo: %s", qPrintable(nome));
        widgets_.push_back(achado);
    }
    for (const Controle& controle : Janela::controles()) {
        liga(controle);
        mostra(controle);
    }
    janela_.observa([this](const Controle& controle) { mostra(controle); });
}

QWidget& Ligacao::widget(const Controle& controle) const {
    return *widgets_[static_cast<std::size_t>(&controle - Janela::controles().data())];
}

void Ligacao::liga(const Controle& controle) {
    QWidget& w = widget(controle);
    const Controle* c = &controle;
    std::visit(
        Sobrecarga{
            [&](CampoTexto Janela::*) {
                auto* campo = static_cast<QLineEdit*>(&w);
                QObject::connect(campo, &QLineEdit::textEdited, campo,
                                 [this, c, campo](const QString& t) {
                                     desmarca_campo(*campo);
                                     janela_.usuario_digita(*c, t.toStdString());
                                 });
                // Enter in any parameter field draws, as the Draw button would.
                QObject::connect(campo, &QLineEdit::returnPressed, campo, [this] {
                    raiz_.findChild<QPushButton*>(QStringLiteral("Desenhar_button"))->click();
                });
            },
            [&](Botao Janela::*) {
                QObject::connect(static_cast<QPushButton*>(&w), &QPushButton::clicked, &w,
                                 [this, c] {
                                     mostra_ocupado();
                                     janela_.usuario_clica(*c);
                                 });
            },
            [&](CaixaMarcacao Janela::*) {
                QObject::connect(static_cast<QCheckBox*>(&w), &QCheckBox::clicked, &w,
                                 [this, c](bool marcada) { janela_.usuario_marca(*c, marcada); });
            },
            [&](GrupoRadio Janela::*) {
                auto* grupo = w.findChild<QButtonGroup*>();
                QObject::connect(grupo, &QButtonGroup::idClicked, &w,
                                 [this, c](int item) { janela_.usuario_seleciona(*c, item); });
            },
            [&](PainelPaginas Janela::*) {
                QObject::connect(paginas_, &QTabWidget::currentChanged, &w,
                                 [this, c](int pagina) { janela_.usuario_seleciona(*c, pagina); });
            },
            [&](Deslizador Janela::*) {
                // Only the user's moves, not the window's own setValue.
                auto* deslizador = static_cast<QSlider*>(&w);
                QObject::connect(deslizador, &QSlider::actionTriggered, deslizador,
                                 [this, c, deslizador](int) {
                                     janela_.usuario_desliza(*c, deslizador->sliderPosition());
                                 });
            },
            [](auto) {}, // labels, captions and the image only show
        },
        controle.membro);
}

void Ligacao::mostra(const Controle& controle) {
    QWidget& w = widget(controle);
    std::visit(
        Sobrecarga{
            [&](CampoTexto Janela::*membro) {
                auto& campo = static_cast<QLineEdit&>(w);
                desmarca_campo(campo);
                // Rewriting an equal text would still move the cursor to the end.
                if (const QString texto = q((janela_.*membro).texto); campo.text() != texto) {
                    campo.setText(texto);
                    campo.setCursorPosition(0); // long numbers show their first digits
                }
            },
            [&](Rotulo Janela::*membro) {
                auto& rotulo = static_cast<QLabel&>(w);
                rotulo.setText(q((janela_.*membro).texto));
                rotulo.setEnabled((janela_.*membro).habilitado);
            },
            [&](Botao Janela::*membro) {
                w.setEnabled((janela_.*membro).habilitado);
                static_cast<QPushButton&>(w).setText(q((janela_.*membro).legenda));
            },
            [&](CaixaMarcacao Janela::*membro) {
                auto& caixa = static_cast<QCheckBox&>(w);
                caixa.setText(q((janela_.*membro).legenda));
                caixa.setChecked((janela_.*membro).marcada);
            },
            [&](GrupoRadio Janela::*membro) {
                const GrupoRadio& radio = janela_.*membro;
                static_cast<QGroupBox&>(w).setTitle(q(radio.legenda));
                const auto* grupo = w.findChild<QButtonGroup*>();
                for (int item = 0; item < static_cast<int>(radio.itens.size()); ++item) {
                    QAbstractButton* botao = grupo->button(item);
                    botao->setText(q(radio.itens[static_cast<std::size_t>(item)]));
                    botao->setChecked(item == radio.selecionado);
                }
            },
            [&](CaixaGrupo Janela::*membro) {
                static_cast<QGroupBox&>(w).setTitle(q((janela_.*membro).legenda));
            },
            [&](Pagina Janela::*membro) {
                paginas_->setTabText(paginas_->indexOf(&w), q((janela_.*membro).titulo));
            },
            [&](PainelPaginas Janela::*membro) {
                const QSignalBlocker bloqueio(paginas_); // the model already knows
                paginas_->setCurrentIndex((janela_.*membro).selecionada);
            },
            [&](Deslizador Janela::*membro) {
                auto& deslizador = static_cast<QSlider&>(w);
                const QSignalBlocker bloqueio(deslizador);
                deslizador.setMaximum((janela_.*membro).maximo);
                deslizador.setValue((janela_.*membro).valor);
                deslizador.setEnabled((janela_.*membro).habilitado);
            },
            [&](Bitmap Janela::*membro) { static_cast<QuadroWidget&>(w).mostra(janela_.*membro); },
        },
        controle.membro);
}

} // namespace quindra::gui
