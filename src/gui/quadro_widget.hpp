// The image area: shows the frame pixel for pixel, reading the bitmap's own rows, or scaled down
// smoothly where the window is too small for it, and turns mouse drags, the wheel and the arrow
// keys into camera moves.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <vector>

#include "app/janela.hpp"
#include "view/bitmap.hpp"

namespace quindra::gui {

/// What the image area asks of the camera; unset entries are ignored.
struct MovimentosCamera {
    /// A step of a drag: the turns it makes, in order.
    std::function<void(const std::vector<Giro>&)> gira;
    /// The end of a drag.
    std::function<void()> solta;
    /// A wheel step: a fraction of the distance to the centre, towards it when positive.
    std::function<void(double)> aproxima;
    /// An arrow key: the axis and the way (+1 or -1) to turn by the window's angle.
    std::function<void(EixoRotacao, int)> tecla;
    /// A click of the left button that did not drag, at a pixel of the picture.
    std::function<void(QPoint)> clica;
    /// A double click: the object framed.
    std::function<void()> enquadra;
};

class QuadroWidget : public QWidget {
public:
    explicit QuadroWidget(QWidget* pai = nullptr);

    /// Shows the bitmap without copying it: it must stay alive and unchanged until the next call.
    /// The area asks for the bitmap's size and never grows beyond it.
    void mostra(const Bitmap& quadro);
    /// Where the picture is painted: all of it, at 1:1 when it fits, else scaled to fit.
    QRect area_da_imagem() const;
    QSize sizeHint() const override { return imagem_.size(); }
    QSize minimumSizeHint() const override;
    void define_movimentos(MovimentosCamera movimentos) { movimentos_ = std::move(movimentos); }

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void wheelEvent(QWheelEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    // The picture's pixel under a point of the area.
    QPoint pixel_da_imagem(QPoint ponto) const;

    QImage imagem_;
    QImage reduzida_; // the picture at the area's size, while it is scaled
    MovimentosCamera movimentos_;
    QPoint ultima_posicao_;
    bool arrastando_ = false;
    bool moveu_ = false; // since the button went down
};

} // namespace quindra::gui
