// The light source editor: one light of ListaDeFontes at a time in the light fields.
#include <algorithm>
#include <array>
#include <cassert>

#include "app/janela.hpp"
#include "geometry/numero_texto.hpp"

namespace quindra {

namespace {

using Campo = CampoTexto Janela::*;

// The light fields in the order of a light's six entries in the list.
constexpr std::array<Campo, CAMPOS_POR_FONTE> CAMPOS_FONTE{
    &Janela::IlRed_edit, &Janela::IlGreen_edit, &Janela::IlBlue_edit,
    &Janela::Plx_edit,   &Janela::Ply_edit,     &Janela::Plz_edit};

// The entry where light n (from 1) begins.
std::size_t primeira_entrada(std::int32_t n) {
    return CAMPOS_POR_FONTE * static_cast<std::size_t>(n - 1);
}

std::size_t numero_de_fontes(const TextosDasFontes& lista) {
    return lista.size() / CAMPOS_POR_FONTE;
}

} // namespace

void Janela::atualiza_fonte_visivel() {
    const std::size_t inicio = primeira_entrada(sessao.sistema.FonteAtual);
    assert(inicio + CAMPOS_POR_FONTE <= sessao.sistema.ListaDeFontes.size());
    for (std::size_t k = 0; k < CAMPOS_POR_FONTE; ++k) {
        sessao.sistema.ListaDeFontes[inicio + k] = (this->*CAMPOS_FONTE[k]).texto;
    }
}

void Janela::mostra_fonte(std::int32_t n) {
    const std::size_t inicio = primeira_entrada(n);
    assert(n >= 1 && inicio + CAMPOS_POR_FONTE <= sessao.sistema.ListaDeFontes.size());
    for (std::size_t k = 0; k < CAMPOS_POR_FONTE; ++k) {
        (this->*CAMPOS_FONTE[k]).texto = sessao.sistema.ListaDeFontes[inicio + k];
    }
    sessao.sistema.FonteAtual = n;
    FontesDeLuz_groupbox.legenda = "Parâmetros da Fonte de Luz de Número " + formata_inteiro(n);
}

const CampoTexto* Janela::campo_da_fonte(std::string_view texto) {
    const TextosDasFontes& lista = sessao.sistema.ListaDeFontes;
    const auto achado = std::ranges::find_if(
        lista, [&](const std::string& entrada) { return entrada.data() == texto.data(); });
    if (achado == lista.end()) return nullptr;
    const auto entrada = static_cast<std::size_t>(achado - lista.begin());
    const auto fonte = static_cast<std::int32_t>(entrada / CAMPOS_POR_FONTE + 1);
    if (fonte != sessao.sistema.FonteAtual) mostra_fonte(fonte);
    return &(this->*CAMPOS_FONTE[entrada % CAMPOS_POR_FONTE]);
}

void Janela::insere_fonte_padrao(std::size_t entrada) {
    TextosDasFontes& lista = sessao.sistema.ListaDeFontes;
    lista.insert(lista.begin() + static_cast<std::ptrdiff_t>(entrada), FONTE_PADRAO.begin(),
                 FONTE_PADRAO.end());
}

void Janela::FontePrevia_buttonClick() {
    if (sessao.sistema.FonteAtual <= 1) return;
    atualiza_fonte_visivel();
    mostra_fonte(sessao.sistema.FonteAtual - 1);
}

void Janela::FontePosterior_buttonClick() {
    const auto atual = static_cast<std::size_t>(sessao.sistema.FonteAtual);
    if (atual >= numero_de_fontes(sessao.sistema.ListaDeFontes)) return;
    atualiza_fonte_visivel();
    mostra_fonte(sessao.sistema.FonteAtual + 1);
}

void Janela::AdicionarFonte_buttonClick() {
    atualiza_fonte_visivel();
    insere_fonte_padrao(primeira_entrada(sessao.sistema.FonteAtual + 1));
    mostra_fonte(sessao.sistema.FonteAtual + 1);
}

void Janela::RemoverFonte_buttonClick() {
    TextosDasFontes& lista = sessao.sistema.ListaDeFontes;
    if (numero_de_fontes(lista) <= 1) return;
    // The fields of the removed light are discarded, not stored.
    const auto inicio =
        lista.begin() + static_cast<std::ptrdiff_t>(primeira_entrada(sessao.sistema.FonteAtual));
    lista.erase(inicio, inicio + CAMPOS_POR_FONTE);
    // The light that followed takes the same number; after the last one, the one before it.
    const auto restantes = static_cast<std::int32_t>(numero_de_fontes(lista));
    mostra_fonte(std::min(sessao.sistema.FonteAtual, restantes));
}

} // namespace quindra
