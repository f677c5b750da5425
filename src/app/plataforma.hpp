// What the commands need from the desktop: file dialogs and the general error report. The
// window implements it with real dialogs; tests and the command-line renderer with fakes.
#pragma once

#include <optional>
#include <string>

#include "app/controles.hpp"

namespace quindra {

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
    /// A text typed into the field named campo that does not convert. Shown without
    /// interrupting the user, since it arrives with every keystroke of an unfinished number.
    virtual void relata_erro_de_digitacao(const std::string& campo,
                                          const std::string& mensagem) = 0;
};

} // namespace quindra
