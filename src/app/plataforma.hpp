// What the commands need from the desktop: file dialogs and the general error report. The
// window implements it with real dialogs; tests and the command-line renderer with fakes.
#pragma once

#include <optional>
#include <string>

namespace quindra {

class Plataforma {
public:
    virtual ~Plataforma() = default;
    /// The file-open dialog (shared by the object and texture commands): the chosen file, or
    /// none when the user cancels.
    virtual std::optional<std::string> escolhe_arquivo_para_abrir() = 0;
    /// The picture-save dialog: the chosen file, or none when the user cancels.
    virtual std::optional<std::string> escolhe_arquivo_para_salvar() = 0;
    /// The general error report, a message box: a file that cannot be opened or created, an
    /// image that is not valid.
    virtual void relata_erro(const std::string& mensagem) = 0;
    /// A text typed into a field that does not convert. Shown without interrupting the user,
    /// since it arrives with every keystroke of an unfinished number.
    virtual void relata_erro_de_digitacao(const std::string& mensagem) = 0;
};

} // namespace quindra
