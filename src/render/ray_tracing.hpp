// Ray tracing: one ray from the eye through the centre of each pixel, the nearest surface it
// meets lit by the illumination model of the other renderers, with the lights the object hides
// left out (shadows) and, where the surface has a specular weight, the colour seen in the
// mirror direction added (reflections). The frame's rows are traced in parallel; every pixel is
// worked out on its own, so the frame does not depend on the number of threads.
#pragma once

#include "render/desenho.hpp"
#include "view/tela.hpp"

namespace quindra {

class CenaRaios;

/// How many mirror bounces a ray from the eye may take.
inline constexpr int REFLEXOES_MAXIMAS = 3;
/// The rows a draw traces (1..599), which a progress display counts towards.
inline constexpr int LINHAS_TRACADAS = LADO_TELA - 1;

/// Black frame with a yellow outline, then every pixel of columns 0..599 and rows 1..599 that
/// sees the object through a point beyond the focal plane. The frame, and the depth buffer of
/// the points the rays from the eye met, are drawn aside and replace the Draw's when complete:
/// false, and both untouched, when cancelled. raios is brought up to date with the mesh first.
bool desenha_ray_tracing(const Desenho& desenho, CenaRaios& raios);

/// The same with the Draw's structure, or one built for this Draw alone when it has none.
void desenha_raios(const Desenho& desenho);

} // namespace quindra
