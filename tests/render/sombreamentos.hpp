// The four interpolating renderers behind one call, for tests that run them all alike.
#pragma once

#include <optional>

#include "apoio/cena_teste.hpp"
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
inline Bitmap& desenha_sombreado(Sombreamento s, Bitmap& tela, const Malha& malha,
                                 const Camera& camera, const Material& material, const Cena& cena,
                                 const Bitmap& textura) {
    static constexpr Algoritmo ALGORITMO[] = {Algoritmo::GouraudPintor, Algoritmo::GouraudZBuffer,
                                              Algoritmo::Phong, Algoritmo::PhongTextura};
    Desenhista desenhista;
    desenhista.textura = &textura;
    desenhista.faixa = {1, malha.NumTriangulos()};
    return desenhista.desenha(ALGORITMO[static_cast<int>(s)], tela, malha, camera, material, cena);
}

} // namespace quindra::teste
