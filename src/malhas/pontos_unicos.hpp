// Numbers for points given by their coordinates, as formats that repeat a corner in every face
// give them: equal coordinates get one number, in first-appearance order, so that the faces
// around a corner share it and smooth shading sees one surface.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

#include "malhas/malha_lida.hpp"

namespace quindra {

/// The key of the corner hash: random for each process unless a test fixes it, so that a file
/// cannot choose corners that all land on one slot.
struct ChaveHash {
    std::uint64_t k[4];
    /// Drawn once per process from the system's random source.
    static ChaveHash do_processo();
};

class PontosUnicos {
public:
    /// Appends new points to lida's points, which must start empty; previstos is a guess of
    /// how many will be distinct.
    PontosUnicos(MalhaLida& lida, std::size_t previstos,
                 ChaveHash chave = ChaveHash::do_processo());

    /// The 1-based number of the point at (x, y, z), appended when first seen; 0 when it is new
    /// and the mesh already holds LIMITE_ELEMENTOS points or no more fit the load's budget. -0
    /// and +0 are the same coordinate.
    std::int32_t numero(double x, double y, double z);

    /// Starts fetching the table's memory for a point that numero will soon be asked for.
    void antecipa(double x, double y, double z) const {
        __builtin_prefetch(&tabela_[posicao(bits(x, y, z))]);
    }

private:
    using Bits = std::array<std::uint64_t, 3>;
    // The coordinates live in the table too, so that a lookup reads one place in memory.
    struct Entrada {
        Bits bits{};
        std::uint32_t numero = 0; // 0 marks a free slot
    };

    // adding +0 turns -0 into +0 and leaves every other value as it is
    static Bits bits(double x, double y, double z);
    std::size_t posicao(const Bits& b) const;
    // The slot holding b, or the free slot where it goes; the table's size when neither lies
    // within a probe's reach.
    std::size_t procura(const Bits& b) const;
    // Puts b at the slot procura gave for it, or in the overflow.
    void guarda(const Bits& b, std::uint32_t numero, std::size_t i);
    void dimensiona(std::size_t previstos);

    MalhaLida& lida_;
    ChaveHash chave_;
    // open addressing with linear probing, at most half full
    std::vector<Entrada> tabela_;
    std::size_t mascara_ = 0;
    int deslocamento_ = 0;
    // the points whose probe found no free slot within its reach, which only a file that
    // defeats the hash makes: looked up in logarithmic time, never in a long probe
    std::map<Bits, std::uint32_t> transbordo_;
};

} // namespace quindra
