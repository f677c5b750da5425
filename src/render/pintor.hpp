// What the painter's renderers share: the part of each triangle that lies beyond the focal
// plane, as a polygon painted in one colour, far to near.
#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "render/varredura.hpp"
#include "scene/camera.hpp"
#include "scene/triangulo.hpp"
#include "view/corte.hpp"
#include "view/tela.hpp"

namespace quindra {

/// Up to four camera-space vertices (xv, yv, zv) of a polygon to paint.
struct PoligonoVisivel {
    std::array<Ponto, 4> vertices;
    int quantos = 0;

    std::span<const Ponto> pontos() const {
        return {vertices.data(), static_cast<std::size_t>(quantos)};
    }
};

/// The part of a cut triangle beyond the focal plane: the whole triangle, a triangle or a
/// quadrilateral with its crossing points on the plane, in boundary order.
PoligonoVisivel poligono_visivel(const CorteTriangulo& corte);

/// A polygon's pixels and colours, ready for the bands to paint.
struct PoligonoTela {
    std::array<PontoPixel, 4> pixels;
    int quantos = 0;
    CorPixel pincel, caneta;

    /// Fills it with pincel and outlines it with caneta, in the rows of the band.
    void pinta(Bitmap& tela, const FaixaLinhas& linhas = {}) const {
        tela.pinta_poligono({pixels.data(), static_cast<std::size_t>(quantos)}, pincel, caneta,
                            linhas);
    }
    std::int64_t primeira_linha() const;
    std::int64_t ultima_linha() const;
};

/// The polygon's pixels, with the colours it is to be painted in.
PoligonoTela projeta_poligono(const Camera& camera, const PoligonoVisivel& poligono,
                              CorPixel pincel, CorPixel caneta);

/// For a triangle drawn whole (no point near the focal plane), what projeta_poligono gives,
/// from the positions already projected (heights from the bottom).
PoligonoTela poligono_inteiro(const VerticesTela& vertices, CorPixel pincel, CorPixel caneta);

} // namespace quindra
