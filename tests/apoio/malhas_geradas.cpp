#include "apoio/malhas_geradas.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <numbers>
#include <string>

namespace quindra::teste {

namespace {

// Builds the file's text; numbers through to_chars, whatever the locale.
class TextoObjeto {
public:
    TextoObjeto(long pontos, long triangulos) {
        inteiro(pontos);
        texto_ += ' ';
        inteiro(triangulos);
        texto_ += '\n';
    }
    void ponto(double x, double y, double z) {
        for (double v : {x, y, z}) {
            char c[32];
            texto_.append(c, std::to_chars(c, c + sizeof c, v, std::chars_format::fixed, 4).ptr);
            texto_ += ' ';
        }
        texto_.back() = '\n';
    }
    void triangulo(long a, long b, long c) {
        for (long v : {a, b, c}) {
            inteiro(v);
            texto_ += ' ';
        }
        texto_.back() = '\n';
    }
    void grava(const std::filesystem::path& arquivo) const {
        std::ofstream(arquivo, std::ios::binary) << texto_;
    }

private:
    void inteiro(long v) {
        char c[24];
        texto_.append(c, std::to_chars(c, c + sizeof c, v).ptr);
    }
    std::string texto_;
};

} // namespace

Malha esfera_fina(double raio) {
    constexpr long pilhas = 70, fatias = 2 * pilhas;
    Malha esfera;
    esfera.Pontos.emplace_back(0, raio, 0);
    for (long i = 1; i < pilhas; ++i) {
        const double theta = std::numbers::pi * static_cast<double>(i) / pilhas;
        for (long j = 0; j < fatias; ++j) {
            const double phi = 2 * std::numbers::pi * static_cast<double>(j) / fatias;
            esfera.Pontos.emplace_back(raio * std::sin(theta) * std::sin(phi),
                                       raio * std::cos(theta),
                                       raio * std::sin(theta) * std::cos(phi));
        }
    }
    esfera.Pontos.emplace_back(0, -raio, 0);
    const auto ultimo = esfera.NumPontos();
    const auto anel = [](long i, long j) {
        return static_cast<std::int32_t>(2 + (i - 1) * fatias + j % fatias);
    };
    auto& t = esfera.Triangulos;
    for (long j = 0; j < fatias; ++j) t.emplace_back(1, anel(1, j), anel(1, j + 1));
    for (long i = 1; i < pilhas - 1; ++i)
        for (long j = 0; j < fatias; ++j) {
            t.emplace_back(anel(i, j), anel(i + 1, j), anel(i + 1, j + 1));
            t.emplace_back(anel(i, j), anel(i + 1, j + 1), anel(i, j + 1));
        }
    for (long j = 0; j < fatias; ++j)
        t.emplace_back(ultimo, anel(pilhas - 1, j + 1), anel(pilhas - 1, j));
    return esfera;
}

void escreve_esfera_fina(const std::filesystem::path& arquivo) {
    const Malha esfera = esfera_fina(50);
    TextoObjeto texto(esfera.NumPontos(), esfera.NumTriangulos());
    for (const Ponto& p : esfera.Pontos) texto.ponto(p.x, p.y, p.z);
    for (const Triangulo& t : esfera.Triangulos)
        texto.triangulo(t.vertice1, t.vertice2, t.vertice3);
    texto.grava(arquivo);
}

void escreve_terreno(const std::filesystem::path& arquivo) {
    constexpr long lado = 100;
    TextoObjeto texto(lado * lado, 2 * (lado - 1) * (lado - 1));
    std::uint32_t estado = 12345;
    for (long i = 0; i < lado; ++i)
        for (long j = 0; j < lado; ++j) {
            estado = estado * 1664525u + 1013904223u; // a fixed linear congruential sequence
            const double ruido = static_cast<double>(estado >> 20) / 4096.0 * 10 - 5;
            const double colina = static_cast<double>((i - 50) * (j - 30)) / 250.0;
            texto.ponto(-80 + 160.0 * static_cast<double>(i) / (lado - 1),
                        -80 + 160.0 * static_cast<double>(j) / (lado - 1), ruido + colina);
        }
    const auto numero = [](long i, long j) { return i * lado + j + 1; };
    for (long i = 0; i + 1 < lado; ++i)
        for (long j = 0; j + 1 < lado; ++j) {
            texto.triangulo(numero(i, j), numero(i + 1, j), numero(i + 1, j + 1));
            texto.triangulo(numero(i, j), numero(i + 1, j + 1), numero(i, j + 1));
        }
    texto.grava(arquivo);
}

} // namespace quindra::teste
