// The window as a toolkit drives it: user actions on enumerated controls, refused once the
// window is closed, and after each one the controls whose state it changed.
#include <algorithm>
#include <cassert>
#include <type_traits>
#include <utility>

#include "app/janela.hpp"

namespace quindra {

namespace {

EstadoControle estado(const Janela& janela, const Controle& controle) {
    return std::visit([&](auto membro) -> EstadoControle { return janela.*membro; },
                      controle.membro);
}

bool mesma_imagem(const Bitmap& a, const Bitmap& b) {
    return a.largura() == b.largura() && a.altura() == b.altura() && a.rgb() == b.rgb();
}

// Whether the control's state is still the one its widget shows.
bool inalterado(const Janela& janela, const Controle& controle, const EstadoControle& mostrado) {
    return std::visit(
        [&](auto membro) {
            using Estado = std::remove_cvref_t<decltype(janela.*membro)>;
            const Estado& atual = janela.*membro;
            const Estado& antes = std::get<Estado>(mostrado);
            if constexpr (std::is_same_v<Estado, Bitmap>) {
                return mesma_imagem(atual, antes);
            } else {
                return atual == antes;
            }
        },
        controle.membro);
}

std::size_t indice(const Controle& controle) {
    const auto todos = Janela::controles();
    assert(&controle >= todos.data() && &controle < todos.data() + todos.size());
    return static_cast<std::size_t>(&controle - todos.data());
}

} // namespace

void Janela::observa(std::function<void(const Controle&)> observador) {
    observador_ = std::move(observador);
    mostrado_.clear();
    for (const Controle& controle : controles()) mostrado_.push_back(estado(*this, controle));
}

void Janela::publica_mudancas() {
    if (!observador_) return;
    for (const Controle& controle : controles()) {
        EstadoControle& mostrado = mostrado_[indice(controle)];
        if (inalterado(*this, controle, mostrado)) continue;
        mostrado = estado(*this, controle);
        observador_(controle);
    }
}

void Janela::recusa(const std::string& mensagem, std::string_view texto) {
    Mensagem_label.texto = sessao.anota(mensagem, texto);
}

const Controle* Janela::campo_recusado() {
    const auto& recusa = sessao.recusa();
    // a refusal that did not end the action (a later command succeeded) is not pointed at
    if (!recusa || recusa->mensagem != Mensagem_label.texto) return nullptr;
    const CampoTexto* da_fonte = campo_da_fonte(recusa->texto);
    for (const Controle& controle : controles()) {
        const auto* membro = std::get_if<CampoTexto Janela::*>(&controle.membro);
        if (!membro) continue;
        const CampoTexto& campo = this->**membro;
        // the refused text is a view of the field's own
        if (da_fonte ? &campo == da_fonte : campo.texto.data() == recusa->texto.data())
            return &controle;
    }
    return nullptr;
}

void Janela::registra_mostrado(const Controle& controle) {
    if (observador_) mostrado_[indice(controle)] = estado(*this, controle);
}

template <typename Acao> void Janela::executa(Acao acao) {
    // While a draw runs the desktop keeps the window alive, and a timer may fire meanwhile:
    // one action at a time.
    if (fechada_ || ocupada_) return;
    ocupada_ = true;
    struct Libera {
        bool& ocupada;
        ~Libera() { ocupada = false; }
    } libera{ocupada_};
    sessao.esquece_recusa();
    acao();
    const Controle* recusado = campo_recusado();
    publica_mudancas();
    // After the widgets show the field's text, which would clear the mark.
    if (recusado) plataforma_.aponta_campo(std::string(recusado->nome), Mensagem_label.texto);
}

const Controle& Janela::controle_de(const CampoTexto& campo) const {
    const auto todos = controles();
    const auto achado = std::ranges::find_if(todos, [&](const Controle& controle) {
        const auto* membro = std::get_if<CampoTexto Janela::*>(&controle.membro);
        return membro && &(this->**membro) == &campo;
    });
    assert(achado != todos.end());
    return *achado;
}

void Janela::usuario_digita(const Controle& campo, std::string texto) {
    executa([&] {
        CampoTexto& alvo = this->*std::get<CampoTexto Janela::*>(campo.membro);
        // The widget already shows the typed text; the handler may still change it.
        const std::string anterior = std::exchange(alvo.texto, texto);
        registra_mostrado(campo);
        alvo.texto = anterior;
        altera_texto(alvo, std::move(texto));
    });
}

void Janela::usuario_clica(const Controle& botao) {
    executa([&] {
        const Botao& alvo = this->*std::get<Botao Janela::*>(botao.membro);
        if (botao.clique && alvo.habilitado) (this->*botao.clique)();
    });
}

void Janela::usuario_marca(const Controle& caixa, bool marcada) {
    executa([&] {
        CaixaMarcacao& alvo = this->*std::get<CaixaMarcacao Janela::*>(caixa.membro);
        // The widget already shows the new state; the handler may set it back (TModoClick does
        // when the colour file is missing), and that must reach the widget.
        const bool anterior = std::exchange(alvo.marcada, marcada);
        registra_mostrado(caixa);
        alvo.marcada = anterior;
        marca(alvo, marcada);
    });
}

void Janela::usuario_seleciona(const Controle& grupo, int escolhido) {
    executa([&] {
        if (const auto* radio = std::get_if<GrupoRadio Janela::*>(&grupo.membro)) {
            (this->**radio).selecionado = escolhido;
            if (*radio == &Janela::Renderizadores_radio) Renderizadores_radioClick();
        } else {
            (this->*std::get<PainelPaginas Janela::*>(grupo.membro)).selecionada = escolhido;
        }
        registra_mostrado(grupo);
    });
}

void Janela::usuario_abre_objeto(const std::string& arquivo) {
    executa([&] { carrega_objeto_de(arquivo); });
}

void Janela::redesenha(bool previa) {
    if (previa)
        desenha_com(Algoritmo::Wireframe);
    else
        Desenhar_buttonClick();
}

void Janela::usuario_gira(std::span<const Giro> giros, bool previa) {
    executa([&] {
        const auto centro = le_centro_rotacao();
        if (!centro || !aceita(sessao.le_camera(*this))) return;
        for (const Giro& giro : giros) {
            if (const auto falha = sessao.gira_em_torno(*centro, giro.eixo, giro.graus, *this)) {
                Mensagem_label.texto = *falha;
                return;
            }
        }
        redesenha(previa);
    });
}

void Janela::usuario_gira_pelo_angulo(int eixo, int sentido) {
    executa([&] {
        gira_pelo_angulo(eixo, sentido);
        if (mensagem_de_sucesso(Mensagem_label.texto)) Desenhar_buttonClick();
    });
}

void Janela::usuario_aproxima(double fracao, bool previa) {
    executa([&] {
        aproxima_camera(fracao);
        if (mensagem_de_sucesso(Mensagem_label.texto)) redesenha(previa);
    });
}

void Janela::usuario_clica_imagem(int x, int y) {
    executa([&] {
        const auto celula = folha_ ? folha_->celula_em(x, y) : std::nullopt;
        if (!celula || *celula >= ALGORITMOS.size()) return;
        Renderizadores_radio.selecionado = static_cast<int>(*celula);
        Renderizadores_radioClick();
        Desenhar_buttonClick();
    });
}

void Janela::usuario_desliza(const Controle& deslizador, int valor) {
    executa([&] {
        Deslizador& alvo = this->*std::get<Deslizador Janela::*>(deslizador.membro);
        if (!alvo.habilitado) return;
        alvo.valor = valor;
        registra_mostrado(deslizador);
        para_reproducao();
        desenha_ate(static_cast<std::size_t>(std::clamp(valor, 0, alvo.maximo)));
    });
}

void Janela::usuario_reproduz(std::chrono::duration<double> decorrido) {
    executa([&] {
        if (!reproduzindo_) return;
        const double fracao = std::clamp(decorrido / DURACAO_REPRODUCAO, 0.0, 1.0);
        const auto k = static_cast<std::size_t>(fracao * Triangulos_slider.maximo);
        desenha_ate(k);
        if (k >= static_cast<std::size_t>(Triangulos_slider.maximo)) para_reproducao();
    });
}

void Janela::usuario_termina_arrasto() {
    executa([&] { Desenhar_buttonClick(); });
}

} // namespace quindra
