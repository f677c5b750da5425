// What one Draw reads and writes besides the choice of algorithm: the frame, the loaded object
// and the view computed from it, the parameters, and what another thread may watch.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "render/vista.hpp"
#include "scene/camera.hpp"
#include "scene/cena.hpp"
#include "scene/material.hpp"
#include "scene/tetraedros.hpp"
#include "scene/triangulo.hpp"
#include "view/bitmap.hpp"
#include "view/textura.hpp"
#include "view/z_buffer.hpp"

namespace quindra {

class CenaRaios;

/// The 1-based positions in the triangle list, both included, that take the texture.
struct FaixaTextura {
    std::int32_t PrimeiraFaceTextura = 1, UltimaFaceTextura = 1;
};

/// What tetrahedron mode changes: none, or the table that colours and hides groups of four.
struct ModoTetraedro {
    bool ligado = false;
    const TabelaDeTetraedros* tabela = nullptr;
};

/// What another thread may watch and change while a draw runs; either may be null.
struct Acompanhamento {
    /// Once true, the draw stops at its next band of rows and the frame keeps its last picture.
    const std::atomic<bool>* cancelar = nullptr;
    /// Raised by the number of rows each finished band traced.
    std::atomic<int>* linhas_prontas = nullptr;
};

struct Desenho {
    Bitmap& tela;
    const Malha& malha;
    /// Rewritten by the Draw; kept by the caller from Draw to Draw.
    Vista& vista;
    const Camera& camera;
    const Material& material;
    /// The scene as typed, lights in world space; the renderers read the view's copy.
    const Cena& cena;
    /// Created by the first Draw that needs it, then kept and cleared by each.
    std::optional<ZBuffer>& profundidade;
    ProjecaoTextura& projecao;
    /// The loaded image; needed only by the textured algorithm, which draws nothing without it.
    const Bitmap* textura = nullptr;
    FaixaTextura faixa{};
    ModoTetraedro modo{};
    /// The ray tracer's acceleration structure, kept between draws by its owner, who drops it
    /// when the object changes; without one, a draw builds its own and throws it away.
    CenaRaios* raios = nullptr;
    /// Lets another thread follow and cancel a ray-traced draw.
    Acompanhamento acompanhamento{};
    /// Paints only the first triangles of the list in the renderer's own order (far to near for
    /// the painter's, list order for the others): the order replayed. All when none.
    std::optional<std::size_t> ate{};

    /// How many triangles of a list of n the renderer paints.
    std::size_t quantos_pinta(std::size_t n) const { return ate ? std::min(*ate, n) : n; }
};

} // namespace quindra
