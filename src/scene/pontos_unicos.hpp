// Numbers for points given by their coordinates, as formats that repeat a corner in every face
// give them: equal coordinates get one number, in first-appearance order, so that the faces
// around a corner share it and smooth shading sees one surface.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "scene/malha_lida.hpp"

namespace quindra {

class PontosUnicos {
public:
    /// Appends new points to lida's points, which must start empty; previstos is a guess of
    /// how many will be distinct.
    PontosUnicos(MalhaLida& lida, std::size_t previstos);

    /// The 1-based number of the point at (x, y, z), appended when first seen; 0 when it is new
    /// and the list already holds LIMITE_ELEMENTOS points. -0 and +0 are the same coordinate.
    std::int32_t numero(double x, double y, double z);

    /// Starts fetching the table's memory for a point that numero will soon be asked for.
    void antecipa(double x, double y, double z) const {
        __builtin_prefetch(&tabela_[posicao(x + 0.0, y + 0.0, z + 0.0)]);
    }

private:
    // The coordinates live in the table too, so that a lookup reads one place in memory.
    struct Entrada {
        double x = 0, y = 0, z = 0;
        std::uint32_t numero = 0; // 0 marks a free slot
    };

    void dimensiona(std::size_t previstos);
    std::size_t posicao(double x, double y, double z) const {
        // multiplicative hashing: the top bits of each product depend on every bit of the value
        const std::uint64_t h = std::bit_cast<std::uint64_t>(x) * 0x9E3779B97F4A7C15u +
                                std::bit_cast<std::uint64_t>(y) * 0xC2B2AE3D27D4EB4Fu +
                                std::bit_cast<std::uint64_t>(z) * 0x165667B19E3779F9u;
        return static_cast<std::size_t>(h >> deslocamento_);
    }

    ListaDePontos& pontos_;
    // open addressing with linear probing, at most half full
    std::vector<Entrada> tabela_;
    std::size_t mascara_ = 0;
    int deslocamento_ = 0;
};

} // namespace quindra
