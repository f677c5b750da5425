// Framing an object: the camera brought along its line of sight until the object just fills
// the frame, whatever its size and wherever it lies.
#pragma once

#include <optional>

#include "scene/camera.hpp"
#include "scene/triangulo.hpp"

namespace quindra {

/// A ball that holds every point of an object.
struct Esfera {
    Ponto centro;
    double raio = 0;
};

/// Around the object as drawn (world z scaled by its Z factor): the mean of its points and the
/// distance to the farthest one. None without points, or when the numbers overflow.
std::optional<Esfera> esfera_envolvente(const Malha& malha);

/// The camera with N, V and the field of view (hx/d, hy/d) kept, moved along N so that the
/// sphere just fits the narrower side of the frame, looking at its centre. Where the sphere
/// would then reach the focal plane, d, hx and hy shrink together so that it lies beyond, and
/// the view is the same. None when the numbers overflow.
std::optional<Camera> enquadra(const Camera& camera, const Esfera& esfera);

} // namespace quindra
