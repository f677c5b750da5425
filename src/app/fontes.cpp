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

// A white light of full intensity at the origin.
constexpr const char* FONTE_PADRAO[CAMPOS_POR_FONTE] = {"255", "255", "255", "0", "0", "0"};

// The entry where light n (from 1) begins.
std::size_t primeira_entrada(std::int32_t n) {
    return CAMPOS_POR_FONTE * static_cast<std::size_t>(n - 1);
}

std::size_t numero_de_fontes(const TextosDasFontes& lista) {
    return lista.size() / CAMPOS_POR_FONTE;
}

} // namespace

void Janela::atualiza_fonte_visivel() {
    const std::size_t inicio = primeira_entrada(sistema.FonteAtual);
    assert(inicio + CAMPOS_POR_FONTE <= sistema.ListaDeFontes.size());
    for (std::size_t k = 0; k < CAMPOS_POR_FONTE; ++k) {
        sistema.ListaDeFontes[inicio + k] = (this->*CAMPOS_FONTE[k]).texto;
    }
}

void Janela::mostra_fonte(std::int32_t n) {
    const std::size_t inicio = primeira_entrada(n);
    assert(n >= 1 && inicio + CAMPOS_POR_FONTE <= sistema.ListaDeFontes.size());
    for (std::size_t k = 0; k < CAMPOS_POR_FONTE; ++k) {
        (this->*CAMPOS_FONTE[k]).texto = sistema.ListaDeFontes[inicio + k];
    }
    sistema.FonteAtual = n;
    FontesDeLuz_groupbox.legenda = "Parâmetros da Fonte de Luz de Número " + formata_inteiro(n);
}

void Janela::insere_fonte_padrao(std::size_t entrada) {
    TextosDasFontes& lista = sistema.ListaDeFontes;
    lista.insert(lista.begin() + static_cast<std::ptrdiff_t>(entrada), std::begin(FONTE_PADRAO),
                 std::end(FONTE_PADRAO));
}

void Janela::FontePrevia_buttonClick() {
    if (sistema.FonteAtual <= 1) return;
    atualiza_fonte_visivel();
    mostra_fonte(sistema.FonteAtual - 1);
}

void Janela::FontePosterior_buttonClick() {
    const auto atual = static_cast<std::size_t>(sistema.FonteAtual);
    if (atual >= numero_de_fontes(sistema.ListaDeFontes)) return;
    atualiza_fonte_visivel();
    mostra_fonte(sistema.FonteAtual + 1);
}

void Janela::AdicionarFonte_buttonClick() {
    atualiza_fonte_visivel();
    insere_fonte_padrao(primeira_entrada(sistema.FonteAtual + 1));
    mostra_fonte(sistema.FonteAtual + 1);
}

void Janela::RemoverFonte_buttonClick() {
    TextosDasFontes& lista = sistema.ListaDeFontes;
    if (numero_de_fontes(lista) <= 1) return;
    // The fields of the removed light are discarded, not stored.
    const auto inicio =
        lista.begin() + static_cast<std::ptrdiff_t>(primeira_entrada(sistema.FonteAtual));
    lista.erase(inicio, inicio + CAMPOS_POR_FONTE);
    // The light that followed takes the same number; after the last one, the one before it.
    const auto restantes = static_cast<std::int32_t>(numero_de_fontes(lista));
    mostra_fonte(std::min(sistema.FonteAtual, restantes));
}

} // namespace quindra
