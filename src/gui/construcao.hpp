// Builds the window's widgets and places them. Each widget gets its control's name as object
// name; the texts come from the model when the window binds them.
#pragma once

#include <QWidget>

#include "app/janela.hpp"

namespace quindra::gui {

/// Fills forma with the tabbed panel, the command area, the tetrahedron strip and the image.
void constroi_janela(QWidget& forma, const Janela& janela);

} // namespace quindra::gui
