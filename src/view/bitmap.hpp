// An RGB bitmap with the drawing state of a canvas (pen, brush, pen position) and the drawing
// operations every renderer paints with. Coordinates are whole pixels of any size: whatever
// lies outside the bitmap is skipped, and a far-away coordinate costs no more than a near one.
#pragma once

#include <cassert>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

namespace quindra {

/// One pixel: red, green and blue bytes.
struct CorPixel {
    std::uint8_t r = 0, g = 0, b = 0;

    friend bool operator==(const CorPixel&, const CorPixel&) = default;
};

inline constexpr CorPixel PRETO{0, 0, 0};
inline constexpr CorPixel AMARELO{255, 255, 0};
inline constexpr CorPixel BRANCO{255, 255, 255};

/// A band of a frame's lines, both ends included: the lines one thread paints. The renderers
/// count them as they walk them, rows from the top or heights from the bottom.
struct FaixaLinhas {
    std::int64_t primeira = 0;
    std::int64_t ultima = std::numeric_limits<std::int64_t>::max();

    friend bool operator==(const FaixaLinhas&, const FaixaLinhas&) = default;
};

/// A pixel position: column x from the left, row y from the top.
struct PontoPixel {
    std::int64_t x = 0, y = 0;

    friend bool operator==(const PontoPixel&, const PontoPixel&) = default;
};

class Bitmap {
public:
    /// All white; pen black, brush white, pen at (0, 0). Negative sizes are refused.
    Bitmap(int largura, int altura);
    /// Takes over the pixels of a loaded image: top row first, 3 bytes a pixel, exactly
    /// largura * altura * 3 of them (anything else is refused).
    Bitmap(int largura, int altura, std::vector<std::uint8_t> rgb);

    int largura() const { return largura_; }
    int altura() const { return altura_; }

    void define_caneta(CorPixel cor) { caneta_ = cor; }
    CorPixel caneta() const { return caneta_; }
    void define_pincel(CorPixel cor) { pincel_ = cor; }
    CorPixel pincel() const { return pincel_; }
    /// Coordinates beyond +-LIMITE_PIXEL are held at that limit.
    PontoPixel posicao_caneta() const { return posicao_; }

    /// Brush inside (x1 < x < x2 - 1, y1 < y < y2 - 1), pen on columns x1 and x2 - 1 and rows
    /// y1 and y2 - 1; column x2 and row y2 stay untouched. Nothing when x2 <= x1 or y2 <= y1.
    void retangulo(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2);
    void move_para(std::int64_t x, std::int64_t y);
    /// Pen-coloured line from the pen position, the end point not painted; the pen moves there.
    void linha_para(std::int64_t x, std::int64_t y);
    /// Fills a convex polygon with the brush (every pixel whose position lies inside or on the
    /// outline), then draws the closed outline with the pen. The pen position does not change.
    /// Any other outline is filled row by row from its leftmost to its rightmost crossing.
    void poligono(std::span<const PontoPixel> vertices) {
        pinta_poligono(vertices, pincel_, caneta_);
    }
    /// The same in the given colours, leaving pen and brush as they are, and only in the rows of
    /// the band, each exactly as the whole polygon paints it: threads may paint the bands of one
    /// bitmap side by side.
    void pinta_poligono(std::span<const PontoPixel> vertices, CorPixel pincel, CorPixel caneta,
                        const FaixaLinhas& linhas = {});

    /// Outside the bitmap: ignored.
    void define_pixel(std::int64_t x, std::int64_t y, CorPixel cor) {
        if (!dentro(x, y)) return;
        std::uint8_t* p = rgb_.data() + indice(x, y);
        p[0] = cor.r, p[1] = cor.g, p[2] = cor.b;
    }
    /// Outside the bitmap: black.
    CorPixel pixel(std::int64_t x, std::int64_t y) const {
        if (!dentro(x, y)) return PRETO;
        const std::uint8_t* p = rgb_.data() + indice(x, y);
        return {p[0], p[1], p[2]};
    }
    /// Top row first, 3 bytes a pixel, no padding.
    const std::vector<std::uint8_t>& rgb() const { return rgb_; }

private:
    bool dentro(std::int64_t x, std::int64_t y) const {
        // one unsigned comparison rejects negatives too
        return static_cast<std::uint64_t>(x) < static_cast<std::uint64_t>(largura_) &&
               static_cast<std::uint64_t>(y) < static_cast<std::uint64_t>(altura_);
    }
    std::size_t indice(std::int64_t x, std::int64_t y) const {
        assert(dentro(x, y));
        const auto linha = static_cast<std::size_t>(y) * static_cast<std::size_t>(largura_);
        return (linha + static_cast<std::size_t>(x)) * 3;
    }
    /// Paints the box of columns x1..x2 and rows y1..y2 (inclusive), clipped to the bitmap.
    void preenche(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, CorPixel cor);
    /// A line from a towards b in the colour cor, b not painted, walking only its visible steps
    /// in the rows of the band.
    void traca(PontoPixel a, PontoPixel b, CorPixel cor, const FaixaLinhas& linhas = {});

    int largura_;
    int altura_;
    std::vector<std::uint8_t> rgb_;
    CorPixel caneta_ = PRETO;
    CorPixel pincel_ = BRANCO;
    PontoPixel posicao_{};
};

} // namespace quindra
