// The main window: the widgets of every control bound to the window model, closing, dropped
// files and keyboard shortcuts.
#pragma once

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

    Janela janela_;
    std::unique_ptr<Ligacao> ligacao_; // once the widgets exist
};

} // namespace quindra::gui
