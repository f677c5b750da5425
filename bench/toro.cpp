#include "toro.hpp"

#include <charconv>
#include <cmath>
#include <fstream>
#include <numbers>
#include <string>

namespace quindra::bench {

namespace {

// Numbers separated by blanks, one point or triangle a line.
class Texto {
public:
    template <class... Numeros> void linha(Numeros... numeros) {
        ((acrescenta(numeros), texto_ += ' '), ...);
        texto_.back() = '\n';
    }
    const std::string& texto() const { return texto_; }

private:
    void acrescenta(double valor) {
        char numero[32];
        texto_.append(
            numero,
            std::to_chars(numero, numero + sizeof numero, valor, std::chars_format::fixed, 6).ptr);
    }
    void acrescenta(long valor) {
        char numero[24];
        texto_.append(numero, std::to_chars(numero, numero + sizeof numero, valor).ptr);
    }
    std::string texto_;
};

} // namespace

long escreve_toro(const std::filesystem::path& arquivo, long triangulos) {
    // voltas (around the axis) x secoes (around the tube) squares, two triangles each
    const long secoes = std::max(3L, std::lround(std::sqrt(triangulos / 4.0)));
    const long voltas = 2 * secoes;
    const double anel = 35, tubo = 15;
    Texto texto;
    texto.linha(voltas * secoes, 2 * voltas * secoes);
    for (long i = 0; i < voltas; ++i) {
        const double u =
            2 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(voltas);
        for (long j = 0; j < secoes; ++j) {
            const double v =
                2 * std::numbers::pi * static_cast<double>(j) / static_cast<double>(secoes);
            const double rho = anel + tubo * std::cos(v);
            texto.linha(rho * std::cos(u), rho * std::sin(u), tubo * std::sin(v));
        }
    }
    const auto ponto = [&](long i, long j) { return 1 + (i % voltas) * secoes + j % secoes; };
    for (long i = 0; i < voltas; ++i)
        for (long j = 0; j < secoes; ++j) {
            texto.linha(ponto(i, j), ponto(i + 1, j), ponto(i + 1, j + 1));
            texto.linha(ponto(i, j), ponto(i + 1, j + 1), ponto(i, j + 1));
        }
    std::ofstream(arquivo, std::ios::binary) << texto.texto();
    return 2 * voltas * secoes;
}

} // namespace quindra::bench
