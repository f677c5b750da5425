// Small scenes for renderer tests: a mesh from world points, the window's initial camera, and
// a look at the frame's pixels.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

#include "render/algoritmos.hpp"
#include "scene/camera.hpp"
#include "scene/cena.hpp"
#include "scene/triangulo.hpp"
#include "view/tela.hpp"

namespace quindra::teste {

/// The window's initial camera: C = (0, 0, 200), N = (0, 0, -1), V = (0, 1, 0), d = 1,
/// hx = hy = 1. A world point (x, y, z) has camera coordinates (x, y, 200 - z).
Camera camera_inicial();

/// A mesh of the given world points and triangles (1-based point numbers), the tetrahedron
/// numbers set as the loader sets them.
Malha malha_mundo(std::initializer_list<Ponto> pontos, std::initializer_list<Triangulo> triangulos);

/// The scene's only light: white, at the world point.
void poe_luz_branca(Cena& cena, const Ponto& mundo);

/// What a Draw keeps besides the frame, for tests that draw small scenes one or more times.
struct Desenhista {
    Vista vista;
    std::optional<ZBuffer> profundidade;
    ProjecaoTextura projecao;
    const Bitmap* textura = nullptr;
    FaixaTextura faixa{};
    ModoTetraedro modo{};

    /// Draws the mesh with the algorithm, as the window's Draw does.
    Bitmap& desenha(Algoritmo algoritmo, Bitmap& tela, const Malha& malha, const Camera& camera,
                    const Material& material = {}, const Cena& cena = {});
};

/// The same from a fresh view.
Bitmap& desenha(Algoritmo algoritmo, Bitmap& tela, const Malha& malha, const Camera& camera,
                const Material& material = {}, const Cena& cena = {});

/// A fresh frame, cleared as at start-up.
Bitmap tela_nova();

/// How many pixels of rows and columns 2..598 (inside the clearing frame) have this colour.
int conta_pixels(const Bitmap& tela, CorPixel cor);

/// Writes the frame as NOME.png into the folder named by QUINDRA_QUADROS, when it is set, for
/// a person to look at.
void guarda_para_olhar(const Bitmap& tela, const std::string& nome);

} // namespace quindra::teste
