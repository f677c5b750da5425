// Every drawing algorithm the window offers, in the order of its choice list: what each needs
// and which renderer draws it. The window, the command line, the benchmarks and the tests all
// draw through here, so a new algorithm is one enum value, one table row and its renderer.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "render/flat_shading.hpp"
#include "render/phong.hpp"
#include "render/ray_tracing.hpp"
#include "scene/camera.hpp"
#include "scene/cena.hpp"
#include "scene/material.hpp"
#include "scene/triangulo.hpp"
#include "view/textura.hpp"
#include "view/z_buffer.hpp"

namespace quindra {

enum class Algoritmo {
    Wireframe,
    WireframeOculto,
    Flat,
    GouraudPintor,
    GouraudZBuffer,
    Phong,
    PhongTextura,
    RayTracing,
    WireframeTetraedro,
};

struct DescricaoAlgoritmo {
    Algoritmo algoritmo;
    /// Its caption in the window's choice list.
    std::string_view nome;
    /// Reads the material, the ambient light and the lights, and lights the object.
    bool iluminacao;
    /// Decides visibility per pixel with the depth buffer.
    bool profundidade;
    /// Takes a diffuse colour from the loaded texture.
    bool textura;
};

inline constexpr std::array<DescricaoAlgoritmo, 9> ALGORITMOS{{
    {Algoritmo::Wireframe, "Wireframe", false, false, false},
    {Algoritmo::WireframeOculto, "Wireframe com Linhas Escondidas", false, false, false},
    {Algoritmo::Flat, "Flat Shading", true, false, false},
    {Algoritmo::GouraudPintor, "Gouraud Shading com Pintor", true, false, false},
    {Algoritmo::GouraudZBuffer, "Gouraud Shading com z-Buffer", true, true, false},
    {Algoritmo::Phong, "Phong Shading", true, true, false},
    {Algoritmo::PhongTextura, "Phong Shading com Textura Projetada ", true, true, true},
    {Algoritmo::RayTracing, "Ray Tracing", true, false, false},
    {Algoritmo::WireframeTetraedro, "Wireframe Tetraedro", false, false, false},
}};

/// The row of the table for an algorithm.
constexpr const DescricaoAlgoritmo& descricao(Algoritmo algoritmo) {
    return ALGORITMOS[static_cast<std::size_t>(algoritmo)];
}

/// The algorithm at a position of the window's choice list; none outside it.
std::optional<Algoritmo> algoritmo_da_escolha(int indice);

/// What a Draw reads and writes besides the choice.
struct Desenho {
    Bitmap& tela;
    Malha& malha;
    const Camera& camera;
    const Material& material;
    /// Its lights are moved into camera space.
    Cena& cena;
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
};

/// The per-draw set-up the algorithm needs (the viewing transform of the points and, when it
/// lights the object, of the lights; the texture projection; the depth buffer cleared), then
/// its renderer.
void desenha(Algoritmo algoritmo, Desenho& desenho);

} // namespace quindra
