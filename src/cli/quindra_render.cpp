// quindra-render: the renderer without a window.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <string>

#include "geometry/numero_texto.hpp"
#include "scene/objeto.hpp"

int main(int argc, char** argv) {
    CLI::App app{"Quindra: desenha um objeto triangulado sem janela."};
    std::string objeto;
    app.add_option("OBJETO", objeto, "arquivo do objeto")->required();
    CLI11_PARSE(app, argc, argv);

    quindra::Malha malha;
    const std::string mensagem = quindra::carrega_objeto(malha, objeto);
    if (mensagem.front() != ' ') {
        std::fprintf(stderr, "%s\n", mensagem.c_str());
        return 1;
    }
    const quindra::Ponto& centro = *malha.CentroObjeto;
    std::printf("%s: %d pontos, %d triângulos, centro (%s, %s, %s)\n", objeto.c_str(),
                malha.NumPontos, malha.NumTriangulos, quindra::formata_real(centro.x).c_str(),
                quindra::formata_real(centro.y).c_str(), quindra::formata_real(centro.z).c_str());
    return 0;
}
