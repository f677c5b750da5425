// The window's controls enumerated: each one's name, kind and state, so that a toolkit binds
// every widget through one loop instead of one hand-written copy per control.
#pragma once

#include <string_view>
#include <variant>

#include "app/controles.hpp"
#include "view/bitmap.hpp"

namespace quindra {

class Janela;

/// Where a control's state lives in the window; the alternative held is the control's kind.
using MembroControle =
    std::variant<CampoTexto Janela::*, Rotulo Janela::*, Botao Janela::*, CaixaMarcacao Janela::*,
                 GrupoRadio Janela::*, CaixaGrupo Janela::*, Pagina Janela::*,
                 PainelPaginas Janela::*, Deslizador Janela::*, Bitmap Janela::*>;

/// The state of one control, of whichever kind.
using EstadoControle = std::variant<CampoTexto, Rotulo, Botao, CaixaMarcacao, GrupoRadio,
                                    CaixaGrupo, Pagina, PainelPaginas, Deslizador, Bitmap>;

/// A control of the window: its name (the widget's object name too), where its state lives,
/// and for a button the command its click runs.
struct Controle {
    std::string_view nome;
    MembroControle membro;
    void (Janela::*clique)() = nullptr;

    /// The state of this control in a window, of type T (which must be the control's kind).
    template <typename T> const T& em(const Janela& janela) const {
        return janela.*std::get<T Janela::*>(membro);
    }
    template <typename T> bool e() const { return std::holds_alternative<T Janela::*>(membro); }
};

} // namespace quindra
