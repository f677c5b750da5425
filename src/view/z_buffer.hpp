// The depth buffer of the renderers that decide visibility per pixel.
#pragma once

#include <cassert>
#include <cstddef>
#include <vector>

#include "view/tela.hpp"

namespace quindra {

/// Marks a pixel where nothing has been painted yet.
inline constexpr double PROFUNDIDADE_VAZIA = 1e10;

/// One depth per pixel of the frame, in one block allocated once. Element [x][y] belongs to
/// column x and to height y counted upwards from the bottom, that is pixel row LADO_TELA - y.
/// The block is stored height by height, so that a scan line's depths lie side by side.
struct ZBuffer {
    std::vector<double> valores =
        std::vector<double>(std::size_t{LADO_TELA} * LADO_TELA, PROFUNDIDADE_VAZIA);

    /// The column x, to be indexed by height: z[x][y].
    template <class Real> struct Coluna {
        Real* inicio;
        Real& operator[](int y) const {
            assert(y >= 0 && y < LADO_TELA);
            return inicio[static_cast<std::size_t>(y) * LADO_TELA];
        }
    };
    Coluna<double> operator[](int x) {
        assert(x >= 0 && x < LADO_TELA);
        return {valores.data() + x};
    }
    Coluna<const double> operator[](int x) const {
        assert(x >= 0 && x < LADO_TELA);
        return {valores.data() + x};
    }
    /// The depths at height y, column 0 first.
    double* linha(int y) {
        assert(y >= 0 && y < LADO_TELA);
        return valores.data() + static_cast<std::size_t>(y) * LADO_TELA;
    }
    double& em(int x, int y) { return (*this)[x][y]; }
    double em(int x, int y) const { return (*this)[x][y]; }
    /// The depth test: stores z and says to paint only when z is strictly nearer than what is
    /// stored, so an equal depth keeps the earlier pixel (and a NaN depth never wins).
    bool testa_e_grava(int x, int y, double z) {
        double& guardada = em(x, y);
        if (!(z < guardada)) return false;
        guardada = z;
        return true;
    }
};

/// Every element back to PROFUNDIDADE_VAZIA.
void limpa_profundidade(ZBuffer& z);

} // namespace quindra
