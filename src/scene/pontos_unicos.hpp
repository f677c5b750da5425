// Numbers for points given by their coordinates, as formats that repeat a corner in every face
// give them: equal coordinates get one number, in first-appearance order, so that the faces
// around a corner share it and smooth shading sees one surface.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "scene/triangulo.hpp"

namespace quindra {

class PontosUnicos {
public:
    /// Appends new points to pontos; previstos is a guess of how many will be distinct.
    PontosUnicos(ListaDePontos& pontos, std::size_t previstos);

    /// The 1-based number of the point at (x, y, z), appended when first seen; 0 when it is new
    /// and the list already holds LIMITE_ELEMENTOS points. -0 and +0 are the same coordinate.
    std::int32_t numero(double x, double y, double z);

private:
    std::size_t posicao(double x, double y, double z) const;
    void dobra_tabela();

    ListaDePontos& pontos_;
    // open addressing with linear probing: 0 marks a free slot, otherwise a point's number
    std::vector<std::uint32_t> tabela_;
    std::size_t mascara_ = 0;
    int deslocamento_ = 0;
};

} // namespace quindra
