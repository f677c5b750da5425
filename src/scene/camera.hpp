// The virtual camera: position, orthonormal basis (U, V, N), focal distance and window size.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "geometry/instrumental_basico.hpp"

namespace quindra {

struct Camera {
    Vetor N; // viewing direction
    Vetor U; // horizontal axis, N x V
    Vetor V; // vertical axis
    Ponto C; // position, in its world coordinates
    double d = 1, hx = 1, hy = 1;

    Camera(const Vetor& n, const Vetor& v, const Ponto& c, double d_, double hx_, double hy_);
    /// Rebuilds the orthonormal basis from the current N and V, then stores d, hx and hy.
    void atualiza(double d_, double hx_, double hy_);
};

/// The camera page's twelve texts, in the order they are read.
struct TextosCamera {
    std::string_view Nx, Ny, Nz, Vx, Vy, Vz, Cx, Cy, Cz, d, hx, hy;
};

/// Validates the texts and creates or updates the camera; returns blanks on success or the
/// first bad field's message, leaving the camera untouched.
/// recusado, when given, receives the failing field's text (a view of the caller's own).
std::string le_camera(std::optional<Camera>& CameraAtual, const TextosCamera& textos,
                      std::string_view* recusado = nullptr);

} // namespace quindra
