// Small visual states shared by the window's parts: a field whose text does not convert, and
// the busy cursor of a long command.
#pragma once

#include <QLineEdit>
#include <QString>

namespace quindra::gui {

/// Shows the field in red, with the reason as its tooltip.
void marca_campo_invalido(QLineEdit& campo, const QString& motivo);
/// Back to the field's normal look.
void desmarca_campo(QLineEdit& campo);
/// The busy cursor from now until the event loop runs again (a dialog's own loop included).
void mostra_ocupado();

} // namespace quindra::gui
