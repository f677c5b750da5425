// The four interpolating renderers behind one call, for tests that run them all alike.
#pragma once

#include <optional>

#include "render/algoritmos.hpp"

namespace quindra::teste {

enum class Sombreamento { GouraudPintor, GouraudZ, Phong, PhongTextura };
inline constexpr Sombreamento SOMBREAMENTOS[] = {Sombreamento::GouraudPintor,
                                                 Sombreamento::GouraudZ, Sombreamento::Phong,
                                                 Sombreamento::PhongTextura};

/// What the renderer clears the frame to.
inline CorPixel fundo(Sombreamento s) { return s == Sombreamento::GouraudZ ? BRANCO : PRETO; }

/// Draws through the algorithms' dispatch (which moves the points and lights into camera space
/// again, as Draw does); the textured renderer textures every triangle.
inline Bitmap& desenha_sombreado(Sombreamento s, Bitmap& tela, Malha& malha, const Camera& camera,
                                 const Material& material, Cena& cena, const Bitmap& textura) {
    static constexpr Algoritmo ALGORITMO[] = {Algoritmo::GouraudPintor, Algoritmo::GouraudZBuffer,
                                              Algoritmo::Phong, Algoritmo::PhongTextura};
    std::optional<ZBuffer> z;
    ProjecaoTextura projecao;
    Desenho desenho{
        tela, malha, camera, material, cena, z, projecao, &textura, {1, malha.NumTriangulos()}};
    desenha(ALGORITMO[static_cast<int>(s)], desenho);
    return tela;
}

} // namespace quindra::teste
