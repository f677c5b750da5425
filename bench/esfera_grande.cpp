#include "esfera_grande.hpp"

#include <charconv>
#include <cmath>
#include <fstream>
#include <numbers>
#include <string>

namespace quindra::bench {

namespace {

void escreve_numero(std::string& saida, double valor) {
    char texto[32];
    saida.append(
        texto, std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::fixed, 6).ptr);
}

void escreve_numero(std::string& saida, long valor) {
    char texto[24];
    saida.append(texto, std::to_chars(texto, texto + sizeof texto, valor).ptr);
}

void escreve_linha(std::ofstream& arquivo, std::string& linha) {
    linha += '\n';
    arquivo << linha;
    linha.clear();
}

} // namespace

long escreve_esfera(const std::filesystem::path& caminho, long triangulos) {
    // stacks x (2 stacks) slices: 4 * stacks * (stacks - 1) triangles
    const long pilhas = std::max(2L, std::lround(std::sqrt(triangulos / 4.0)));
    const long fatias = 2 * pilhas;
    const long pontos = 2 + (pilhas - 1) * fatias;
    const long total = 2 * fatias + 2 * fatias * (pilhas - 2);
    const double raio = 50;

    std::ofstream arquivo(caminho, std::ios::binary);
    std::string linha;
    escreve_numero(linha, pontos);
    linha += ' ';
    escreve_numero(linha, total);
    escreve_linha(arquivo, linha);

    // a point's coordinates or a triangle's point numbers
    const auto escreve_tres = [&](auto a, auto b, auto c) {
        escreve_numero(linha, a);
        linha += ' ';
        escreve_numero(linha, b);
        linha += ' ';
        escreve_numero(linha, c);
        escreve_linha(arquivo, linha);
    };
    const auto escreve_ponto = [&](double x, double y, double z) { escreve_tres(x, y, z); };
    const auto escreve_triangulo = [&](long a, long b, long c) { escreve_tres(a, b, c); };
    escreve_ponto(0, raio, 0);
    for (long i = 1; i < pilhas; ++i) {
        const double theta =
            std::numbers::pi * static_cast<double>(i) / static_cast<double>(pilhas);
        for (long j = 0; j < fatias; ++j) {
            const double phi =
                2 * std::numbers::pi * static_cast<double>(j) / static_cast<double>(fatias);
            escreve_ponto(raio * std::sin(theta) * std::sin(phi), raio * std::cos(theta),
                          raio * std::sin(theta) * std::cos(phi));
        }
    }
    escreve_ponto(0, -raio, 0);

    const auto anel = [fatias](long i, long j) { return 2 + (i - 1) * fatias + j % fatias; };
    for (long j = 0; j < fatias; ++j) escreve_triangulo(1, anel(1, j), anel(1, j + 1));
    for (long i = 1; i < pilhas - 1; ++i)
        for (long j = 0; j < fatias; ++j) {
            escreve_triangulo(anel(i, j), anel(i + 1, j), anel(i + 1, j + 1));
            escreve_triangulo(anel(i, j), anel(i + 1, j + 1), anel(i, j + 1));
        }
    for (long j = 0; j < fatias; ++j)
        escreve_triangulo(pontos, anel(pilhas - 1, j + 1), anel(pilhas - 1, j));
    return total;
}

} // namespace quindra::bench
