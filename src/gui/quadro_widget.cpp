#include "gui/quadro_widget.hpp"

#include <QPainter>

#include "view/tela.hpp"

namespace quindra::gui {

QuadroWidget::QuadroWidget(QWidget* pai) : QWidget(pai) {
    setFixedSize(LADO_TELA, LADO_TELA);
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted from the frame
}

void QuadroWidget::mostra(const Bitmap& quadro) {
    // The bitmap's rows are tightly packed RGB, which QImage reads as they are.
    imagem_ = QImage(quadro.rgb().data(), quadro.largura(), quadro.altura(), 3 * quadro.largura(),
                     QImage::Format_RGB888);
    update();
}

void QuadroWidget::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.fillRect(rect(), Qt::black);
    pintor.drawImage(0, 0, imagem_);
}

} // namespace quindra::gui
