// Arbitrary bytes as a glTF or GLB file; with no folder, only the buffers they carry are read.
#include "malhas/gltf.hpp"
#include "leitor_malha.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    return quindra::fuzz::le_e_instala(quindra::le_gltf, dados, tamanho);
}
