// The window's controls as plain state: what each shows and whether it is enabled or checked.
// The toolkit copies this state to its widgets; the commands never touch a widget.
#pragma once

#include <string>
#include <vector>

namespace quindra {

struct CampoTexto {
    std::string texto;

    friend bool operator==(const CampoTexto&, const CampoTexto&) = default;
};

struct Rotulo {
    std::string texto;
    bool habilitado = true;

    friend bool operator==(const Rotulo&, const Rotulo&) = default;
};

struct Botao {
    std::string legenda;
    bool habilitado = true;

    friend bool operator==(const Botao&, const Botao&) = default;
};

struct CaixaMarcacao {
    std::string legenda;
    bool marcada = false;

    friend bool operator==(const CaixaMarcacao&, const CaixaMarcacao&) = default;
};

struct GrupoRadio {
    std::string legenda;
    std::vector<std::string> itens;
    int selecionado = 0;

    friend bool operator==(const GrupoRadio&, const GrupoRadio&) = default;
};

/// A slider over the whole numbers from 0 to maximo.
struct Deslizador {
    int valor = 0;
    int maximo = 0;
    bool habilitado = true;

    friend bool operator==(const Deslizador&, const Deslizador&) = default;
};

struct CaixaGrupo {
    std::string legenda;

    friend bool operator==(const CaixaGrupo&, const CaixaGrupo&) = default;
};

/// One page of the tabbed panel.
struct Pagina {
    std::string titulo;

    friend bool operator==(const Pagina&, const Pagina&) = default;
};

/// The tabbed panel: which of its pages is on display, counted from 0 in the pages' order.
struct PainelPaginas {
    int selecionada = 0;

    friend bool operator==(const PainelPaginas&, const PainelPaginas&) = default;
};

/// What a file dialog asks for: its title and its file type filters, each written as
/// "Description (*.ext1 *.ext2)". No filter means every file.
struct DialogoArquivo {
    std::string titulo;
    std::vector<std::string> filtros;
};

} // namespace quindra
