#include "view/letreiro.hpp"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <utility>

namespace quindra {

// The typeface's file, built into the program.
extern const unsigned char LETRA_EMBUTIDA[];
extern const std::size_t TAMANHO_LETRA_EMBUTIDA;

namespace {

constexpr char32_t SUBSTITUTO = 0xFFFD;

// The code point at the start of a UTF-8 text and how many bytes it takes. A byte that does
// not begin a well-formed sequence is one replacement mark.
std::pair<char32_t, std::size_t> primeiro_codigo(std::string_view texto) {
    const auto inicial = static_cast<unsigned char>(texto.front());
    if (inicial < 0x80) return {inicial, 1};
    std::size_t bytes = 0;
    char32_t codigo = 0, menor = 0;
    if ((inicial & 0xE0) == 0xC0) {
        bytes = 2, codigo = inicial & 0x1Fu, menor = 0x80;
    } else if ((inicial & 0xF0) == 0xE0) {
        bytes = 3, codigo = inicial & 0x0Fu, menor = 0x800;
    } else if ((inicial & 0xF8) == 0xF0) {
        bytes = 4, codigo = inicial & 0x07u, menor = 0x10000;
    } else {
        return {SUBSTITUTO, 1};
    }
    if (texto.size() < bytes) return {SUBSTITUTO, 1};
    for (std::size_t i = 1; i < bytes; ++i) {
        const auto seguinte = static_cast<unsigned char>(texto[i]);
        if ((seguinte & 0xC0) != 0x80) return {SUBSTITUTO, 1};
        codigo = (codigo << 6) | (seguinte & 0x3Fu);
    }
    // Overlong forms and surrogates are not characters.
    if (codigo < menor || codigo > 0x10FFFF || (codigo >= 0xD800 && codigo <= 0xDFFF))
        return {SUBSTITUTO, 1};
    return {codigo, bytes};
}

// FreeType's 26.6 fixed point to whole pixels, rounded up.
int pixels(FT_Pos valor) { return static_cast<int>((valor + 63) / 64); }

std::uint8_t mistura(std::uint8_t fundo, std::uint8_t tinta, int cobertura) {
    return static_cast<std::uint8_t>((tinta * cobertura + fundo * (255 - cobertura) + 127) / 255);
}

} // namespace

struct TipoDeLetra::Face {
    FT_Library biblioteca = nullptr;
    FT_Face face = nullptr;

    ~Face() {
        if (face) FT_Done_Face(face);
        if (biblioteca) FT_Done_FreeType(biblioteca);
    }

    // Calls f with each glyph of the text, loaded with the given flags, and the pen's position
    // before it, in 26.6 pixels from the line's start.
    template <typename F> void percorre(std::string_view texto, FT_Int32 flags, F f) const {
        if (!face) return;
        FT_Pos pena = 0;
        while (!texto.empty()) {
            const auto [codigo, bytes] = primeiro_codigo(texto);
            texto.remove_prefix(bytes);
            if (FT_Load_Char(face, codigo, flags) != 0 &&
                FT_Load_Char(face, SUBSTITUTO, flags) != 0)
                continue;
            f(*face->glyph, pena);
            pena += face->glyph->advance.x;
        }
    }
};

TipoDeLetra::TipoDeLetra(int pixels_em) : face_(std::make_unique<Face>()) {
    // Only memory can fail here; the typeface then sets nothing and takes no room.
    if (FT_Init_FreeType(&face_->biblioteca) != 0) return;
    if (FT_New_Memory_Face(face_->biblioteca, LETRA_EMBUTIDA,
                           static_cast<FT_Long>(TAMANHO_LETRA_EMBUTIDA), 0, &face_->face) != 0) {
        face_->face = nullptr;
        return;
    }
    FT_Set_Pixel_Sizes(face_->face, 0, static_cast<FT_UInt>(std::max(pixels_em, 1)));
}

TipoDeLetra::~TipoDeLetra() = default;

int TipoDeLetra::altura_linha() const {
    return face_->face ? pixels(face_->face->size->metrics.height) : 0;
}

int TipoDeLetra::largura(std::string_view texto) const {
    FT_Pos fim = 0;
    face_->percorre(texto, FT_LOAD_DEFAULT, [&](const FT_GlyphSlotRec& glifo, FT_Pos pena) {
        fim = pena + glifo.advance.x;
    });
    return pixels(fim);
}

void TipoDeLetra::escreve(Bitmap& tela, int x, int y, std::string_view texto, CorPixel cor) const {
    if (!face_->face) return;
    const int linha_base = y + pixels(face_->face->size->metrics.ascender);
    face_->percorre(texto, FT_LOAD_RENDER, [&](const FT_GlyphSlotRec& glifo, FT_Pos pena) {
        const FT_Bitmap& imagem = glifo.bitmap;
        const int esquerda = x + static_cast<int>(pena / 64) + glifo.bitmap_left;
        const int topo = linha_base - glifo.bitmap_top;
        for (unsigned linha = 0; linha < imagem.rows; ++linha) {
            const unsigned char* cobertura = imagem.buffer + linha * imagem.pitch;
            for (unsigned coluna = 0; coluna < imagem.width; ++coluna) {
                if (cobertura[coluna] == 0) continue;
                const std::int64_t px = esquerda + coluna, py = topo + linha;
                const CorPixel fundo = tela.pixel(px, py);
                tela.define_pixel(px, py,
                                  {mistura(fundo.r, cor.r, cobertura[coluna]),
                                   mistura(fundo.g, cor.g, cobertura[coluna]),
                                   mistura(fundo.b, cor.b, cobertura[coluna])});
            }
        }
    });
}

std::vector<std::string> TipoDeLetra::quebra(std::string_view texto, int largura_linha) const {
    std::vector<std::string> linhas;
    std::string linha;
    const auto fecha_linha = [&] {
        if (!linha.empty()) linhas.push_back(std::exchange(linha, {}));
    };
    // A word wider than a line goes in pieces, as many characters as fit in each.
    const auto poe_palavra = [&](std::string_view palavra) {
        while (!palavra.empty()) {
            std::size_t cabe = 0;
            while (cabe < palavra.size()) {
                const std::size_t seguinte = cabe + primeiro_codigo(palavra.substr(cabe)).second;
                if (cabe > 0 && largura(palavra.substr(0, seguinte)) > largura_linha) break;
                cabe = seguinte;
            }
            linha.assign(palavra.substr(0, cabe));
            palavra.remove_prefix(cabe);
            if (!palavra.empty()) fecha_linha();
        }
    };
    while (!texto.empty()) {
        const std::size_t fim = std::min(texto.find(' '), texto.size());
        const std::string_view palavra = texto.substr(0, fim);
        texto.remove_prefix(std::min(fim + 1, texto.size()));
        if (palavra.empty()) continue;
        const std::string junta =
            linha.empty() ? std::string(palavra) : linha + ' ' + std::string(palavra);
        if (largura(junta) <= largura_linha) {
            linha = junta;
            continue;
        }
        fecha_linha();
        poe_palavra(palavra);
    }
    fecha_linha();
    return linhas;
}

} // namespace quindra
