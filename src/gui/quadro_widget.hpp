// The image area: shows the frame pixel for pixel, reading the bitmap's own rows.
#pragma once

#include <QImage>
#include <QWidget>

#include "view/bitmap.hpp"

namespace quindra::gui {

class QuadroWidget : public QWidget {
public:
    explicit QuadroWidget(QWidget* pai = nullptr);

    /// Shows the bitmap without copying it: it must stay alive and unchanged until the next call.
    void mostra(const Bitmap& quadro);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QImage imagem_;
};

} // namespace quindra::gui
