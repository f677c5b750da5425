// The four interpolating renderers behind one call, for tests that run them all alike.
#pragma once

#include "render/gouraud.hpp"
#include "render/phong.hpp"

namespace quindra::teste {

enum class Sombreamento { GouraudPintor, GouraudZ, Phong, PhongTextura };
inline constexpr Sombreamento SOMBREAMENTOS[] = {Sombreamento::GouraudPintor,
                                                 Sombreamento::GouraudZ, Sombreamento::Phong,
                                                 Sombreamento::PhongTextura};

/// What the renderer clears the frame to.
inline CorPixel fundo(Sombreamento s) { return s == Sombreamento::GouraudZ ? BRANCO : PRETO; }

/// Draws with a cleared depth buffer; the textured renderer textures every triangle.
inline Bitmap& desenha_sombreado(Sombreamento s, Bitmap& tela, Malha& malha, const Camera& camera,
                                 const Material& material, const Cena& cena,
                                 const Bitmap& textura) {
    ZBuffer z;
    switch (s) {
    case Sombreamento::GouraudPintor:
        return desenha_gouraud_pintor(tela, malha, camera, material, cena);
    case Sombreamento::GouraudZ:
        return desenha_gouraud_zbuffer(tela, malha, camera, material, cena, z);
    case Sombreamento::Phong:
        return desenha_phong(tela, malha, camera, material, cena, z);
    case Sombreamento::PhongTextura:
        break;
    }
    ProjecaoTextura projecao;
    prepara_textura(projecao, malha, camera);
    return desenha_phong_textura(tela, malha, camera, material, cena, z, projecao, textura,
                                 {1, malha.NumTriangulos()});
}

} // namespace quindra::teste
