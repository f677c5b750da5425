// The main window: the widgets of every control bound to the window model, closing, dropped
// files and keyboard shortcuts.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <memory>

#include "app/janela.hpp"
#include "gui/ligacao.hpp"

namespace quindra::gui {

class TForm1 : public QWidget {
public:
    /// Starts the window model on the configuration files of pasta.
    TForm1(Plataforma& plataforma, const std::filesystem::path& pasta);

    Janela& janela() { return janela_; }

protected:
    void closeEvent(QCloseEvent* evento) override;
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

private:
    void atalho(const QKeySequence& teclas, const char* botao);
    // Drags, the wheel and the arrow keys in the image area move the camera.
    void liga_movimentos_da_camera();
    // The play button starts the replay, which redraws as often as the machine allows.
    void liga_reproducao();
    // Whether the current choice draws too slowly to follow the mouse: then a wireframe
    // stands in while the camera moves, and the choice draws once the motion stops.
    bool lento() const;

    Janela janela_;
    std::unique_ptr<Ligacao> ligacao_; // once the widgets exist
    QTimer* redesenho_ = nullptr;      // the full Draw after a slow motion stops
    QTimer* reproducao_ = nullptr;     // a step of the replay whenever the window is idle
    QElapsedTimer inicio_reproducao_;
};

} // namespace quindra::gui
