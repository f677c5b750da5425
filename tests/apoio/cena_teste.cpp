#include "apoio/cena_teste.hpp"

#include <cstdlib>
#include <filesystem>

#include "imagens/imagem_arquivo.hpp"

namespace quindra::teste {

Camera camera_inicial() { return Camera({0, 0, -1}, {0, 1, 0}, Ponto(0, 0, 200), 1, 1, 1); }

Malha malha_mundo(std::initializer_list<Ponto> pontos,
                  std::initializer_list<Triangulo> triangulos) {
    Malha malha;
    malha.Pontos = pontos;
    malha.Triangulos = triangulos;
    for (int k = 0; k < malha.NumTriangulos(); ++k)
        malha.Triangulos[static_cast<std::size_t>(k)].tetraedro = k / 4 + 1;
    return malha;
}

void poe_luz_branca(Cena& cena, const Ponto& mundo) {
    cena.Il = {Cor(255, 255, 255)};
    cena.Pl = {mundo};
}

Bitmap& Desenhista::desenha(Algoritmo algoritmo, Bitmap& tela, const Malha& malha,
                            const Camera& camera, const Material& material, const Cena& cena) {
    Desenho desenho{tela,         malha,    vista,   camera, material, cena,
                    profundidade, projecao, textura, faixa,  modo};
    quindra::desenha(algoritmo, desenho);
    return tela;
}

Bitmap& desenha(Algoritmo algoritmo, Bitmap& tela, const Malha& malha, const Camera& camera,
                const Material& material, const Cena& cena) {
    return Desenhista{}.desenha(algoritmo, tela, malha, camera, material, cena);
}

Bitmap tela_nova() {
    std::optional<Bitmap> tela, textura;
    return cria_tela(tela, textura);
}

int conta_pixels(const Bitmap& tela, CorPixel cor) {
    int quantos = 0;
    for (int y = 2; y < LADO_TELA - 1; ++y)
        for (int x = 2; x < LADO_TELA - 1; ++x) quantos += tela.pixel(x, y) == cor;
    return quantos;
}

void guarda_para_olhar(const Bitmap& tela, const std::string& nome) {
    const char* destino = std::getenv("QUINDRA_QUADROS");
    if (!destino) return;
    const std::filesystem::path pasta(destino);
    std::filesystem::create_directories(pasta);
    std::string erro;
    salva_imagem(tela, pasta / (nome + ".png"), erro);
}

} // namespace quindra::teste
