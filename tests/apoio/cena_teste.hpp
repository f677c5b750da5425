// Small scenes for renderer tests: a mesh from world points, the window's initial camera, and
// a look at the frame's pixels.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "scene/camera.hpp"
#include "scene/cena.hpp"
#include "scene/triangulo.hpp"
#include "view/tela.hpp"

namespace quindra::teste {

/// The window's initial camera: C = (0, 0, 200), N = (0, 0, -1), V = (0, 1, 0), d = 1,
/// hx = hy = 1. A world point (x, y, z) has camera coordinates (x, y, 200 - z).
Camera camera_inicial();

/// A mesh of the given world points and triangles (1-based point numbers), the tetrahedron
/// numbers set as the loader sets them, already moved into camera space by the camera.
Malha malha_vista(std::initializer_list<Ponto> pontos, std::initializer_list<Triangulo> triangulos,
                  const Camera& camera);

/// The scene's only light: white, at the world point, moved into the camera's space.
void poe_luz_branca(Cena& cena, const Ponto& mundo, const Camera& camera);

/// A fresh frame, cleared as at start-up.
Bitmap tela_nova();

/// How many pixels of rows and columns 2..598 (inside the clearing frame) have this colour.
int conta_pixels(const Bitmap& tela, CorPixel cor);

/// Writes the frame as NOME.png into the folder named by QUINDRA_QUADROS, when it is set, for
/// a person to look at.
void guarda_para_olhar(const Bitmap& tela, const std::string& nome);

} // namespace quindra::teste
