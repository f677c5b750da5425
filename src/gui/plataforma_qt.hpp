// The desktop behind the commands: Qt file dialogs that remember their folders, message boxes
// for the general error report, and a red mark on a field whose text does not convert.
#pragma once

#include <QString>
#include <QWidget>

#include "app/plataforma.hpp"

namespace quindra::gui {

class PlataformaQt : public Plataforma {
public:
    /// The window the dialogs and message boxes belong to, and whose fields are marked.
    void define_janela(QWidget* janela) { janela_ = janela; }
    /// The folder of the configuration files, where saving starts.
    void define_pasta_de_trabalho(const QString& pasta) { pasta_salvar_ = pasta; }

    std::optional<std::string> escolhe_arquivo_para_abrir(const DialogoArquivo& dialogo) override;
    std::optional<std::string> escolhe_arquivo_para_salvar(const DialogoArquivo& dialogo) override;
    void relata_erro(const std::string& mensagem) override;
    RespostaFalhaAoGravar pergunta_apos_falha_ao_gravar(const std::string& mensagem) override;
    void relata_erro_de_digitacao(const std::string& campo, const std::string& mensagem) override;
    void aponta_campo(const std::string& campo, const std::string& mensagem) override;
    void acompanha_desenho(const std::function<void()>& desenho,
                           const ProgressoDesenho& progresso) override;

    /// A draw is running on its own thread (the window's state is in use).
    bool desenhando() const { return desenhando_; }
    /// Asks the running draw, if it can be cancelled, to stop at its next band.
    void cancela_desenho();

private:
    QWidget* janela_ = nullptr;
    bool desenhando_ = false;
    std::atomic<bool>* cancelar_ = nullptr; // the running draw's
    QString pasta_abrir_; // shared by objects and textures, like the dialog itself
    QString pasta_salvar_;
};

} // namespace quindra::gui
