// Ray tracing: one ray from the eye through the centre of each pixel, the nearest surface it
// meets lit by the illumination model of the other renderers, with the lights the object hides
// left out (shadows) and, where the surface has a specular weight, the colour seen in the
// mirror direction added (reflections). The frame's rows are traced in parallel; every pixel is
// worked out on its own, so the frame does not depend on the number of threads.
#pragma once

#include <atomic>

#include "scene/camera.hpp"
#include "scene/cena.hpp"
#include "scene/material.hpp"
#include "scene/triangulo.hpp"
#include "view/bitmap.hpp"
#include "view/tela.hpp"

namespace quindra {

class CenaRaios;

/// How many mirror bounces a ray from the eye may take.
inline constexpr int REFLEXOES_MAXIMAS = 3;
/// The rows a draw traces (1..599), which a progress display counts towards.
inline constexpr int LINHAS_TRACADAS = LADO_TELA - 1;

/// What another thread may watch and change while a draw runs; either may be null.
struct Acompanhamento {
    /// Once true, the draw stops at its next band of rows and the frame keeps its last picture.
    const std::atomic<bool>* cancelar = nullptr;
    /// Raised by the number of rows each finished band traced.
    std::atomic<int>* linhas_prontas = nullptr;
};

/// Black frame with a yellow outline, then every pixel of columns 0..599 and rows 1..599 that
/// sees the object through a point beyond the focal plane. The frame is drawn aside and copied
/// over tela when complete: false, and tela untouched, when cancelled. Rebuilds the triangle
/// and vertex normals; raios is brought up to date with the mesh first.
bool desenha_ray_tracing(Bitmap& tela, Malha& malha, const Camera& camera, const Material& material,
                         const Cena& cena, CenaRaios& raios,
                         const Acompanhamento& acompanhamento = {});

} // namespace quindra
