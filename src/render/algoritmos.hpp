// Every drawing algorithm the window offers, in the order of its choice list: what each needs
// prepared and which renderer draws it. The window, the command line, the benchmarks and the
// tests all draw through here, so a new algorithm is one enum value, one table row and its
// renderer.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "render/desenho.hpp"
#include "render/flat_shading.hpp"
#include "render/gouraud.hpp"
#include "render/phong.hpp"
#include "render/ray_tracing.hpp"
#include "render/wireframe.hpp"
#include "view/tela.hpp"

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

/// How a renderer finds the frame.
struct Limpeza {
    enum Modo {
        /// Cleared to fundo, the outline in caneta.
        caneta_primeiro,
        /// Cleared to fundo, the outline in the pen the last Draw left; then the pen is caneta.
        caneta_depois,
        /// Left alone: the renderer draws aside and replaces the frame when it is done, so a
        /// cancelled Draw keeps the last picture.
        quadro_proprio,
    } modo;
    CorPixel fundo, caneta;
};

/// How the Draw orders the triangle list.
enum class Ordem {
    /// Left as it is: file order, or the order the last sort left.
    atual,
    /// Depth keys, then nearest first.
    ordenada,
};

struct DescricaoAlgoritmo {
    Algoritmo algoritmo;
    /// Its caption in the window's choice list.
    std::string_view nome;
    Limpeza limpeza;
    Ordem ordem;
    /// Reads the material, the ambient light and the lights (moved into camera space).
    bool iluminacao;
    /// Triangle normals; vertex normals from them, summed in list order; vertex colours.
    bool normais_faces, normais_vertices, cores_vertices;
    /// Walks the list in batches, the points projected to their pixels beforehand.
    bool em_lotes;
    /// Decides visibility per pixel with the depth buffer.
    bool profundidade;
    /// Takes a diffuse colour from the loaded texture.
    bool textura;
    /// Draws on what was prepared.
    void (*renderizador)(const Desenho&);

    /// Leaves in the depth buffer the depth of what each pixel shows: the depth-buffered
    /// choices, and the ray tracer, which writes it without deciding with it.
    constexpr bool deixa_profundidade() const {
        return profundidade || algoritmo == Algoritmo::RayTracing;
    }
    /// Paints the object triangle after triangle, so that a Draw may stop after the first few;
    /// the ray tracer and the tetrahedron do not.
    constexpr bool pinta_triangulos_em_ordem() const {
        return algoritmo != Algoritmo::RayTracing && algoritmo != Algoritmo::WireframeTetraedro;
    }
};

inline constexpr Limpeza PRETA{Limpeza::caneta_primeiro, PRETO, AMARELO};
inline constexpr Limpeza BRANCA{Limpeza::caneta_primeiro, BRANCO, PRETO};
inline constexpr Limpeza PRETA_CANETA_ANTERIOR{Limpeza::caneta_depois, PRETO, AMARELO};
inline constexpr Limpeza PROPRIA{Limpeza::quadro_proprio, PRETO, AMARELO};

// clang-format off
inline constexpr std::array<DescricaoAlgoritmo, 9> ALGORITMOS{{
    // algorithm, caption, frame, order, lights, face normals, vertex normals, vertex colours,
    // batches, depth buffer, texture, renderer
    {Algoritmo::Wireframe, "Wireframe", PRETA_CANETA_ANTERIOR, Ordem::atual,
     false, false, false, false, false, false, false, desenha_arame},
    {Algoritmo::WireframeOculto, "Wireframe com Linhas Escondidas", PRETA, Ordem::ordenada,
     false, false, false, false, true, false, false, desenha_arame_oculto},
    {Algoritmo::Flat, "Flat Shading", PRETA, Ordem::ordenada,
     true, true, false, false, true, false, false, desenha_flat},
    {Algoritmo::GouraudPintor, "Gouraud Shading com Pintor", PRETA, Ordem::ordenada,
     true, true, true, true, true, false, false, desenha_gouraud_pintor},
    {Algoritmo::GouraudZBuffer, "Gouraud Shading com z-Buffer", BRANCA, Ordem::ordenada,
     true, true, true, true, true, true, false, desenha_gouraud_zbuffer},
    {Algoritmo::Phong, "Phong Shading", PRETA, Ordem::ordenada,
     true, true, true, false, true, true, false, desenha_phong},
    {Algoritmo::PhongTextura, "Phong Shading com Textura Projetada ", PRETA, Ordem::atual,
     true, true, true, false, true, true, true, desenha_phong_textura},
    {Algoritmo::RayTracing, "Ray Tracing", PROPRIA, Ordem::atual,
     true, true, true, false, false, false, false, desenha_raios},
    {Algoritmo::WireframeTetraedro, "Wireframe Tetraedro", PRETA_CANETA_ANTERIOR, Ordem::atual,
     false, false, false, false, false, false, false, desenha_tetraedro},
}};
// clang-format on

/// The row of the table for an algorithm.
constexpr const DescricaoAlgoritmo& descricao(Algoritmo algoritmo) {
    return ALGORITMOS[static_cast<std::size_t>(algoritmo)];
}

/// The algorithm at a position of the window's choice list; none outside it.
std::optional<Algoritmo> algoritmo_da_escolha(int indice);

/// Prepares what the algorithm's row asks for, once (the frame cleared, the view brought up to
/// the camera, the list ordered, normals and colours, the depth buffer cleared, the texture
/// projection), then calls its renderer. The textured algorithm draws nothing without a texture.
void desenha(Algoritmo algoritmo, Desenho& desenho);

} // namespace quindra
