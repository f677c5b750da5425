// The window's controls as plain state: what each shows and whether it is enabled or checked.
// The toolkit copies this state to its widgets; the commands never touch a widget.
#pragma once

#include <string>
#include <vector>

namespace quindra {

struct CampoTexto {
    std::string texto;
};

struct Rotulo {
    std::string texto;
    bool habilitado = true;
};

struct Botao {
    std::string legenda;
    bool habilitado = true;
};

struct CaixaMarcacao {
    std::string legenda;
    bool marcada = false;
};

struct GrupoRadio {
    std::string legenda;
    std::vector<std::string> itens;
    int selecionado = 0;
};

struct CaixaGrupo {
    std::string legenda;
};

} // namespace quindra
