// The node tree of a glTF scene, walked into the meshes it draws and where it draws them.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "malhas/gltf_json.hpp"

namespace quindra::gltf {

/// An affine transform as glTF stores it: a 4 x 4 matrix in column order.
using Matriz = std::array<double, 16>;

/// A point moved by the transform.
std::array<double, 3> transforma(const Matriz& m, const std::array<double, 3>& p);

struct Instancia {
    std::size_t malha;
    Matriz mundo; // the node's transform composed with all its ancestors'
};

/// Every mesh the document's scene draws (the one "scene" names, else the first; every node no
/// other names as a child when there is none), once for each node that names it, in the order
/// of a depth-first walk. The walk keeps its own stack, so a deep tree costs memory, never the
/// call stack. A node named as a child twice, a scene's node that has a parent, a node reached
/// twice or an index out of range throws Recusa.
std::vector<Instancia> instancias(const Documento& documento);

} // namespace quindra::gltf
