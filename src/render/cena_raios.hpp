// The object's triangles in Embree's acceleration structure, for the ray tracer. The structure
// holds world coordinates with the Z dilation applied, so a new camera moves only the rays: it
// is built once per loaded object (and dilation) and kept across draws. Embree works in single
// precision; it only says which triangle a ray meets, and the caller works the rest out in
// double from its own coordinates.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <span>

#include "scene/triangulo.hpp"

namespace quindra {

/// The points origem + t direcao, perto <= t <= longe, in the structure's coordinates.
struct RaioMundo {
    Vetor origem, direcao;
    double perto = 0, longe = std::numeric_limits<double>::infinity();
};

class CenaRaios {
public:
    CenaRaios();
    ~CenaRaios();
    CenaRaios(const CenaRaios&) = delete;
    CenaRaios& operator=(const CenaRaios&) = delete;

    /// Builds the structure from the mesh's world points (z scaled by fator_z) and triangles,
    /// unless it holds one built from this mesh and factor since the last descarta. The mesh
    /// must name only points it has. False when Embree could not build it (out of memory).
    bool prepara(const Malha& malha, double fator_z);
    /// Drops the structure: the object changed, and the next prepara builds anew.
    void descarta();

    /// The nearest triangle the ray meets, as its position in the triangle list the structure
    /// was built from.
    std::optional<std::uint32_t> mais_proximo(const RaioMundo& raio) const;
    /// How many rays mais_proximos takes at once.
    static constexpr std::size_t PACOTE = 8;
    /// mais_proximo for up to PACOTE rays at once, triangulos[i] answering raios[i]: rays
    /// that start together and part little, such as a row of pixels' rays from the eye, go
    /// through the structure faster together.
    void mais_proximos(std::span<const RaioMundo> raios,
                       std::span<std::optional<std::uint32_t>> triangulos) const;
    /// True when some triangle crosses the ray.
    bool obstruido(const RaioMundo& raio) const;
    /// The 0-based point indices of a triangle, in the order of its vertices.
    std::array<std::uint32_t, 3> vertices(std::uint32_t triangulo) const;

    /// A distance far above single-precision rounding at the object's scale: moving a ray's
    /// origin this far off a surface keeps the ray from meeting that surface again.
    double folga() const { return folga_; }
    /// The most bytes Embree held at once while building the current structure, temporaries
    /// and the copies of the points and triangles included.
    std::size_t pico_bytes() const;

private:
    struct Embree;
    std::unique_ptr<Embree> embree_; // created by the first prepara
    // What the structure was built from; the counts also keep a stale structure from naming
    // points a new mesh does not have.
    bool construida_ = false;
    std::size_t pontos_ = 0, triangulos_ = 0;
    double fator_z_ = 1;
    double folga_ = 0;
};

} // namespace quindra
