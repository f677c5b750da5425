#include "gui/quadro_widget.hpp"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "view/tela.hpp"

namespace quindra::gui {

namespace {

// Half a degree per pixel: a drag across the frame turns the camera by 300 degrees.
constexpr double GRAUS_POR_PIXEL = 0.5;
// One notch of the wheel covers a tenth of the way to the centre.
constexpr double FRACAO_POR_DENTE = 0.1;
constexpr int DENTE = 120; // angleDelta of one notch

// Turns for a mouse motion: sideways about the vertical axis and up or down about the
// horizontal one, or, with the right button or Shift, sideways about the line of sight. Moving
// right takes the camera left around the centre, so the object seems to follow the mouse.
std::vector<Giro> giros(QPoint movimento, bool em_torno_da_mira) {
    std::vector<Giro> resultado;
    const double dx = movimento.x() * GRAUS_POR_PIXEL, dy = movimento.y() * GRAUS_POR_PIXEL;
    if (em_torno_da_mira) {
        if (dx != 0) resultado.push_back({EIXO_MIRA, dx});
        return resultado;
    }
    if (dx != 0) resultado.push_back({EIXO_VERTICAL, dx});
    if (dy != 0) resultado.push_back({EIXO_HORIZONTAL, dy});
    return resultado;
}

} // namespace

QuadroWidget::QuadroWidget(QWidget* pai) : QWidget(pai) {
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted from the frame
    setFocusPolicy(Qt::StrongFocus);       // for the arrow keys
    setMaximumSize(LADO_TELA, LADO_TELA);
}

void QuadroWidget::mostra(const Bitmap& quadro) {
    // The bitmap's rows are tightly packed RGB, which QImage reads as they are.
    imagem_ = QImage(quadro.rgb().data(), quadro.largura(), quadro.altura(), 3 * quadro.largura(),
                     QImage::Format_RGB888);
    reduzida_ = QImage();
    if (maximumSize() != imagem_.size()) {
        setMaximumSize(imagem_.size());
        updateGeometry();
    }
    update();
}

QSize QuadroWidget::minimumSizeHint() const {
    // A third of the frame is still worth looking at.
    return imagem_.size() / 3;
}

QRect QuadroWidget::area_da_imagem() const {
    if (imagem_.isNull()) return {};
    const double escala =
        std::min({1.0, double(width()) / imagem_.width(), double(height()) / imagem_.height()});
    const QSize tamanho(std::max(1, int(imagem_.width() * escala)),
                        std::max(1, int(imagem_.height() * escala)));
    return {QPoint((width() - tamanho.width()) / 2, 0), tamanho};
}

QPoint QuadroWidget::pixel_da_imagem(QPoint ponto) const {
    const QRect area = area_da_imagem();
    if (area.isEmpty()) return ponto;
    const QPoint dentro = ponto - area.topLeft();
    return {dentro.x() * imagem_.width() / area.width(),
            dentro.y() * imagem_.height() / area.height()};
}

void QuadroWidget::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.fillRect(rect(), Qt::black);
    const QRect area = area_da_imagem();
    if (area.size() == imagem_.size()) return pintor.drawImage(area.topLeft(), imagem_);
    // Averaged down once for each size, not at every paint.
    if (reduzida_.size() != area.size())
        reduzida_ = imagem_.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pintor.drawImage(area.topLeft(), reduzida_);
}

void QuadroWidget::mousePressEvent(QMouseEvent* evento) {
    arrastando_ = evento->button() == Qt::LeftButton || evento->button() == Qt::RightButton;
    moveu_ = false;
    ultima_posicao_ = evento->position().toPoint();
}

void QuadroWidget::mouseMoveEvent(QMouseEvent* evento) {
    if (!arrastando_ || !movimentos_.gira) return;
    const QPoint posicao = evento->position().toPoint();
    const bool em_torno_da_mira =
        (evento->buttons() & Qt::RightButton) || (evento->modifiers() & Qt::ShiftModifier);
    const auto passos = giros(posicao - ultima_posicao_, em_torno_da_mira);
    ultima_posicao_ = posicao;
    if (passos.empty()) return;
    moveu_ = true;
    movimentos_.gira(passos);
}

void QuadroWidget::mouseReleaseEvent(QMouseEvent* evento) {
    if (arrastando_ && !moveu_ && evento->button() == Qt::LeftButton && movimentos_.clica)
        movimentos_.clica(pixel_da_imagem(evento->position().toPoint()));
    if (arrastando_ && movimentos_.solta) movimentos_.solta();
    arrastando_ = false;
}

void QuadroWidget::mouseDoubleClickEvent(QMouseEvent* evento) {
    if (evento->button() == Qt::LeftButton && movimentos_.enquadra) movimentos_.enquadra();
}

void QuadroWidget::wheelEvent(QWheelEvent* evento) {
    const int dentes = evento->angleDelta().y();
    if (dentes == 0 || !movimentos_.aproxima) return;
    movimentos_.aproxima(FRACAO_POR_DENTE * dentes / DENTE);
    evento->accept();
}

void QuadroWidget::keyPressEvent(QKeyEvent* evento) {
    if (!movimentos_.tecla) return QWidget::keyPressEvent(evento);
    switch (evento->key()) {
    case Qt::Key_Left:
        return movimentos_.tecla(EIXO_VERTICAL, -1);
    case Qt::Key_Right:
        return movimentos_.tecla(EIXO_VERTICAL, 1);
    case Qt::Key_Up:
        return movimentos_.tecla(EIXO_HORIZONTAL, -1);
    case Qt::Key_Down:
        return movimentos_.tecla(EIXO_HORIZONTAL, 1);
    default:
        return QWidget::keyPressEvent(evento);
    }
}

} // namespace quindra::gui
