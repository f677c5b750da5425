// Binds every control of the window model to its widget, found by object name: user actions
// go to the model, and whatever a command changes comes back to exactly those widgets.
#pragma once

#include <QTabWidget>
#include <QWidget>
#include <vector>

#include "app/janela.hpp"

namespace quindra::gui {

class Ligacao {
public:
    /// Every control must have a widget of its kind under raiz; each shows its state at once.
    Ligacao(Janela& janela, QWidget& raiz);
    Ligacao(const Ligacao&) = delete;
    Ligacao& operator=(const Ligacao&) = delete;

private:
    QWidget& widget(const Controle& controle) const;
    void liga(const Controle& controle);
    void mostra(const Controle& controle);

    Janela& janela_;
    QWidget& raiz_;
    QTabWidget* paginas_ = nullptr;
    std::vector<QWidget*> widgets_; // in the order of Janela::controles()
};

} // namespace quindra::gui
