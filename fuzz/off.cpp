// Arbitrary bytes as an OFF file.
#include "malhas/off.hpp"
#include "leitor_malha.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    return quindra::fuzz::le_e_instala(quindra::le_off, dados, tamanho);
}
