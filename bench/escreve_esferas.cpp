// Writes a UV sphere as esfera.txt, esfera.stl (binary), esfera.ply (binary) and esfera.obj into
// a folder, to load and measure by hand (quindra-render --tempo, /usr/bin/time -v).
#include <charconv>
#include <cstdio>
#include <string_view>

#include "esfera_grande.hpp"

int main(int argc, char** argv) {
    long triangulos = 1'000'000;
    if (argc == 3) {
        const std::string_view texto = argv[2];
        std::from_chars(texto.data(), texto.data() + texto.size(), triangulos);
    }
    if (argc < 2 || argc > 3 || triangulos < 8) {
        std::fputs("uso: quindra_escreve_esferas PASTA [TRIANGULOS]\n", stderr);
        return 1;
    }
    const std::filesystem::path pasta = argv[1];
    quindra::bench::escreve_esfera(pasta / "esfera.txt", triangulos);
    const auto esfera = quindra::bench::gera_esfera(triangulos);
    for (const char* extensao : {".stl", ".ply", ".obj"})
        quindra::bench::escreve_esfera_em(pasta / ("esfera" + std::string(extensao)), esfera);
    return 0;
}
