// The view of one Draw: what the Draw computes from the loaded object and the camera. Its
// arrays are kept from Draw to Draw and reused while the object keeps its size, so a second
// Draw allocates nothing.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "render/ordem_radix.hpp"
#include "scene/camera.hpp"
#include "scene/cena.hpp"
#include "scene/material.hpp"
#include "scene/triangulo.hpp"

namespace quindra {

/// A point's pixel in the current Draw, column from the left and height from the bottom, and
/// its depth; the pixel is meaningful only when the point lies beyond the focal plane by more
/// than the cut's tolerance (alem_do_plano), so that no cut ever moves it.
struct PixelPonto {
    std::int64_t x = 0, y = 0;
    double zv = 0;
};

/// A triangle at its place in the list: its points' positions in the point lists, vertex 1
/// first, and its position in Malha::Triangulos.
struct TrianguloOrdenado {
    std::array<std::uint32_t, 3> vertices;
    std::uint32_t indice;
};

struct Vista {
    /// Camera coordinates (xv, yv, zv) of every point of the mesh; the focal-plane cut may push
    /// one of them nearer for the triangles after it.
    ListaDePontos Pontos;
    /// The order of the triangle list, as positions in Malha::Triangulos: file order for a new
    /// object, nearest first after a sort. It outlives the Draw: the textured renderer draws in
    /// the order the last sort left.
    std::vector<std::uint32_t> ordem;
    /// Per triangle, at its position in Malha::Triangulos: the squared distance of its centroid
    /// from the camera.
    std::vector<double> distancia;
    /// The triangles in the list's order, laid out for the walks that follow it, and each
    /// one's unit normal in camera space, (P3 - P1) x (P2 - P1), at the same place.
    std::vector<TrianguloOrdenado> lista;
    std::vector<Vetor> normal;
    /// Per point: the normalised sum of the normals of the triangles that use it, and the
    /// colour the illumination model gives it.
    std::vector<Vetor> NormaisVertices;
    std::vector<Cor> CoresVertices;
    std::vector<PixelPonto> pixels;
    /// The scene with its lights moved into camera space.
    Cena cena;
    OrdemRadix radix;

    /// Ready for the mesh: one with another number of triangles starts from file order. Each
    /// step below sizes the arrays it fills, so a Draw takes only the memory its steps need.
    void ajusta(const Malha& malha);
    /// Forgets the order, for a newly loaded object.
    void descarta() { ordem.clear(); }
};

/// Camera coordinates of every point, on every core; only world z is scaled by the mesh's
/// FatorDilatacaoZ.
void transforma_pontos(Vista& vista, const Malha& malha, const Camera& camera);
/// The scene, its lights moved into camera space.
void transforma_fontes(Vista& vista, const Cena& cena, const Camera& camera, double fator_z);
/// Every triangle's depth key from the camera coordinates.
void calcula_distancias(Vista& vista, const Malha& malha);
/// Orders the list nearest first; equal keys keep their order, so frames are reproducible.
void ordena_triangulos(Vista& vista);
/// The triangles laid out in the list's order.
void dispoe_lista(Vista& vista, const Malha& malha);
/// Every triangle's normal from the camera coordinates, in the list laid out.
void calcula_normais_faces(Vista& vista);
/// Each vertex normal := the normalised sum of the normals of the triangles that use it,
/// added in the list's order from its end.
void calcula_normais_vertices(Vista& vista);
/// Each point's colour: the illumination model at the point with its vertex normal.
void calcula_cores_vertices(Vista& vista, const Material& material);

} // namespace quindra
