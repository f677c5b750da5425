// Text drawn into a frame: the captions of pictures the program composes, set in the typeface
// it carries, at any height.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "view/bitmap.hpp"

namespace quindra {

class TipoDeLetra {
public:
    /// The program's typeface with an em of this many pixels (at least 1).
    explicit TipoDeLetra(int pixels);
    ~TipoDeLetra();
    TipoDeLetra(const TipoDeLetra&) = delete;
    TipoDeLetra& operator=(const TipoDeLetra&) = delete;

    /// From one line's top to the next one's.
    int altura_linha() const;
    /// How wide a line of UTF-8 text is set, in pixels.
    int largura(std::string_view texto) const;
    /// Sets one line of UTF-8 text with its top-left corner at (x, y), cor laid over the frame
    /// as far as each glyph covers a pixel. What falls outside the frame is left out. A byte
    /// that is not UTF-8 shows as a replacement mark.
    void escreve(Bitmap& tela, int x, int y, std::string_view texto, CorPixel cor) const;
    /// The text in lines no wider than largura, broken at blanks; a word wider than a line
    /// is broken where it must.
    std::vector<std::string> quebra(std::string_view texto, int largura) const;

private:
    struct Face;
    std::unique_ptr<Face> face_;
};

} // namespace quindra
