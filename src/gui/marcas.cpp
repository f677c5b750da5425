#include "gui/marcas.hpp"

#include <QGuiApplication>
#include <QPalette>
#include <QTimer>

namespace quindra::gui {

namespace {
constexpr const char* INVALIDO = "quindra_invalido"; // whether the field carries the mark
}

void marca_campo_invalido(QLineEdit& campo, const QString& motivo) {
    QPalette paleta = campo.palette();
    paleta.setColor(QPalette::Base, QColor(255, 210, 210));
    paleta.setColor(QPalette::Text, QColor(160, 0, 0));
    campo.setPalette(paleta);
    campo.setToolTip(motivo);
    campo.setProperty(INVALIDO, true);
}

void desmarca_campo(QLineEdit& campo) {
    if (!campo.property(INVALIDO).toBool()) return;
    campo.setPalette(QPalette()); // inherits the window's palette again
    campo.setToolTip({});
    campo.setProperty(INVALIDO, false);
}

void mostra_ocupado() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QTimer::singleShot(0, [] { QGuiApplication::restoreOverrideCursor(); });
}

} // namespace quindra::gui
