#include "view/folha.hpp"

#include <algorithm>
#include <utility>

#include "view/letreiro.hpp"
#include "view/reamostragem.hpp"

namespace quindra {

namespace {

// The caption's em and the margins, as fractions of a cell's side.
constexpr int EM_POR_LADO = 18;     // a 200-pixel cell has captions of 11 pixels
constexpr int MARGEM_POR_LADO = 40; // and margins of 5

// The sheet's pixels, rows of largura, into which the frames are laid before the text goes on.
struct Quadros {
    int largura;
    std::vector<std::uint8_t> rgb;

    Quadros(int largura_folha, int altura_folha) : largura(largura_folha) {
        rgb.resize(static_cast<std::size_t>(largura) * altura_folha * 3);
        for (std::size_t i = 0; i < rgb.size(); i += 3) {
            rgb[i] = FUNDO_FOLHA.r, rgb[i + 1] = FUNDO_FOLHA.g, rgb[i + 2] = FUNDO_FOLHA.b;
        }
    }

    // A picture with its top-left corner at (x, y).
    void poe(const Bitmap& quadro, int x, int y) {
        const auto linha = static_cast<std::ptrdiff_t>(quadro.largura()) * 3;
        for (int dy = 0; dy < quadro.altura(); ++dy) {
            std::copy_n(quadro.rgb().begin() + dy * linha, linha,
                        rgb.begin() + (static_cast<std::ptrdiff_t>(y + dy) * largura + x) * 3);
        }
    }
};

// A cell's caption and message, broken into the lines that fit its width.
struct TextoCelula {
    std::vector<std::string> mensagem, legenda;
};

} // namespace

std::optional<std::size_t> Folha::celula_em(int x, int y) const {
    if (lado <= 0 || x < 0 || y < 0 || x >= imagem.largura() || y >= imagem.altura())
        return std::nullopt;
    const int coluna = x / lado, linha = y / altura_celula;
    if (coluna >= colunas) return std::nullopt;
    return static_cast<std::size_t>(linha * colunas + coluna);
}

Folha compoe_folha(std::span<const CelulaFolha> celulas, int colunas, int lado) {
    colunas = std::max(colunas, 1);
    lado = std::max(lado, 1);
    const TipoDeLetra letra(lado / EM_POR_LADO);
    const int margem = lado / MARGEM_POR_LADO, linha = std::max(letra.altura_linha(), 1);
    const int largura_texto = lado - 2 * margem;

    std::vector<TextoCelula> textos;
    std::size_t linhas_legenda = 0;
    for (const CelulaFolha& celula : celulas) {
        TextoCelula texto;
        if (!celula.quadro) {
            // as many lines as the square holds
            texto.mensagem = letra.quebra(celula.mensagem, largura_texto);
            texto.mensagem.resize(std::min(texto.mensagem.size(), std::size_t(lado / linha)));
        }
        for (const std::string& parte : celula.legenda) {
            for (std::string& quebrada : letra.quebra(parte, largura_texto))
                texto.legenda.push_back(std::move(quebrada));
        }
        linhas_legenda = std::max(linhas_legenda, texto.legenda.size());
        textos.push_back(std::move(texto));
    }

    Folha folha;
    folha.colunas = colunas;
    folha.lado = lado;
    folha.altura_celula = lado + 2 * margem + static_cast<int>(linhas_legenda) * linha;
    const int linhas = static_cast<int>((celulas.size() + colunas - 1) / colunas);
    const int largura = colunas * lado, altura = linhas * folha.altura_celula;
    const auto canto = [&](std::size_t i) {
        return std::pair{static_cast<int>(i % colunas) * lado,
                         static_cast<int>(i / colunas) * folha.altura_celula};
    };

    Quadros quadros(largura, altura);
    for (std::size_t i = 0; i < celulas.size(); ++i) {
        const auto& quadro = celulas[i].quadro;
        if (!quadro) continue;
        const auto [x, y] = canto(i);
        quadros.poe(reamostra(*quadro, lado, lado), x, y);
    }
    folha.imagem = Bitmap(largura, altura, std::move(quadros.rgb));

    for (std::size_t i = 0; i < celulas.size(); ++i) {
        const auto [x, y] = canto(i);
        if (!celulas[i].quadro) {
            // The message stands in the middle of the square its frame would fill.
            const auto& mensagem = textos[i].mensagem;
            int topo = y + (lado - static_cast<int>(mensagem.size()) * linha) / 2;
            for (const std::string& texto : mensagem) {
                letra.escreve(folha.imagem, x + (lado - letra.largura(texto)) / 2, topo, texto,
                              LETRA_FOLHA);
                topo += linha;
            }
        }
        int topo = y + lado + margem;
        for (const std::string& texto : textos[i].legenda) {
            letra.escreve(folha.imagem, x + margem, topo, texto, LETRA_FOLHA);
            topo += linha;
        }
    }
    return folha;
}

} // namespace quindra
