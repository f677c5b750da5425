// Arbitrary bytes as a PLY file.
#include "malhas/ply.hpp"
#include "leitor_malha.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    return quindra::fuzz::le_e_instala(quindra::le_ply, dados, tamanho);
}
