// What the commands need from the desktop: file dialogs and the general error report. The
// window implements it with real dialogs; tests with fakes.
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/controles.hpp"

namespace quindra {

/// What a running draw shows of itself: how many of its steps (rows, frames) are done, out of
/// how many (0 when it does not count them), the flag that stops it, and what it is doing.
struct ProgressoDesenho {
    const std::atomic<int>* feitas = nullptr;
    int total = 0;
    std::atomic<bool>* cancelar = nullptr;
    std::string_view legenda;
};

/// What the user wants when the configuration could not be written at close.
enum class RespostaFalhaAoGravar { tentar_de_novo, fechar_sem_gravar, continuar_aberta };

class Plataforma {
public:
    virtual ~Plataforma() = default;
    /// The file-open dialog (shared by the object and texture commands): the chosen file, or
    /// none when the user cancels.
    virtual std::optional<std::string>
    escolhe_arquivo_para_abrir(const DialogoArquivo& dialogo) = 0;
    /// The picture-save dialog: the chosen file, or none when the user cancels.
    virtual std::optional<std::string>
    escolhe_arquivo_para_salvar(const DialogoArquivo& dialogo) = 0;
    /// The general error report, a message box: a file that cannot be opened or created, an
    /// image that is not valid, configuration files that could not be written at close.
    virtual void relata_erro(const std::string& mensagem) = 0;
    /// Closing failed to write the configuration (mensagem says so): try again, close without
    /// it, or keep the window open. Where nobody can be asked, the failure is reported and the
    /// window closes.
    virtual RespostaFalhaAoGravar pergunta_apos_falha_ao_gravar(const std::string& mensagem) {
        relata_erro(mensagem);
        return RespostaFalhaAoGravar::fechar_sem_gravar;
    }
    /// A text typed into the field named campo that does not convert. Shown without
    /// interrupting the user, since it arrives with every keystroke of an unfinished number.
    virtual void relata_erro_de_digitacao(const std::string& campo,
                                          const std::string& mensagem) = 0;
    /// A command refused the text of the field named campo with this message: a desktop shows
    /// the field's page, puts the cursor in it and marks it until its text changes.
    virtual void aponta_campo(const std::string& campo, const std::string& mensagem) {
        (void)campo, (void)mensagem;
    }
    /// Runs a draw. A desktop keeps the window painted meanwhile and, for a long draw that
    /// counts its rows, shows the progress with a way to cancel; here it simply runs.
    virtual void acompanha_desenho(const std::function<void()>& desenho,
                                   const ProgressoDesenho& progresso) {
        (void)progresso;
        desenho();
    }
};

} // namespace quindra
