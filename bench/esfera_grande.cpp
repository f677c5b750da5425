#include "esfera_grande.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
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

// A line of three numbers after a prefix.
template <typename Numero>
void escreve_tres(std::string& saida, const char* prefixo, const std::array<Numero, 3>& tres) {
    saida += prefixo;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) saida += ' ';
        escreve_numero(saida, tres[i]);
    }
    saida += '\n';
}

// Little-endian, as every machine this runs on stores numbers.
template <typename T> void escreve_binario(std::string& saida, T valor) {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &valor, sizeof(T));
    saida.append(bytes, sizeof(T));
}

std::string texto_proprio(const Esfera& esfera) {
    std::string saida;
    escreve_numero(saida, static_cast<long>(esfera.pontos.size()));
    saida += ' ';
    escreve_numero(saida, static_cast<long>(esfera.triangulos.size()));
    saida += '\n';
    for (const auto& p : esfera.pontos) escreve_tres(saida, "", p);
    for (const auto& t : esfera.triangulos) escreve_tres(saida, "", t);
    return saida;
}

std::string texto_obj(const Esfera& esfera) {
    std::string saida;
    for (const auto& p : esfera.pontos) escreve_tres(saida, "v ", p);
    for (const auto& t : esfera.triangulos) escreve_tres(saida, "f ", t);
    return saida;
}

std::string bytes_stl(const Esfera& esfera) {
    std::string saida(80, ' ');
    escreve_binario(saida, static_cast<std::uint32_t>(esfera.triangulos.size()));
    for (const auto& t : esfera.triangulos) {
        for (int i = 0; i < 3; ++i) escreve_binario(saida, 0.0f); // the normal, never read
        for (long v : t)
            for (double c : esfera.pontos[static_cast<std::size_t>(v - 1)])
                escreve_binario(saida, static_cast<float>(c));
        escreve_binario(saida, std::uint16_t{0});
    }
    return saida;
}

std::string bytes_ply(const Esfera& esfera) {
    std::string saida = "ply\nformat binary_little_endian 1.0\nelement vertex ";
    escreve_numero(saida, static_cast<long>(esfera.pontos.size()));
    saida += "\nproperty float x\nproperty float y\nproperty float z\nelement face ";
    escreve_numero(saida, static_cast<long>(esfera.triangulos.size()));
    saida += "\nproperty list uchar int vertex_indices\nend_header\n";
    for (const auto& p : esfera.pontos)
        for (double c : p) escreve_binario(saida, static_cast<float>(c));
    for (const auto& t : esfera.triangulos) {
        escreve_binario(saida, std::uint8_t{3});
        for (long v : t) escreve_binario(saida, static_cast<std::int32_t>(v - 1));
    }
    return saida;
}

void escreve(const std::filesystem::path& arquivo, const std::string& conteudo) {
    std::ofstream(arquivo, std::ios::binary)
        .write(conteudo.data(), static_cast<std::streamsize>(conteudo.size()));
}

} // namespace

Esfera gera_esfera(long triangulos) {
    // stacks x (2 stacks) slices: 4 * stacks * (stacks - 1) triangles
    const long pilhas = std::max(2L, std::lround(std::sqrt(triangulos / 4.0)));
    const long fatias = 2 * pilhas;
    const double raio = 50;

    Esfera esfera;
    esfera.pontos.push_back({0, raio, 0});
    for (long i = 1; i < pilhas; ++i) {
        const double theta =
            std::numbers::pi * static_cast<double>(i) / static_cast<double>(pilhas);
        for (long j = 0; j < fatias; ++j) {
            const double phi =
                2 * std::numbers::pi * static_cast<double>(j) / static_cast<double>(fatias);
            esfera.pontos.push_back({raio * std::sin(theta) * std::sin(phi), raio * std::cos(theta),
                                     raio * std::sin(theta) * std::cos(phi)});
        }
    }
    esfera.pontos.push_back({0, -raio, 0});
    const long sul = static_cast<long>(esfera.pontos.size());

    const auto anel = [fatias](long i, long j) { return 2 + (i - 1) * fatias + j % fatias; };
    auto& t = esfera.triangulos;
    for (long j = 0; j < fatias; ++j) t.push_back({1, anel(1, j), anel(1, j + 1)});
    for (long i = 1; i < pilhas - 1; ++i)
        for (long j = 0; j < fatias; ++j) {
            t.push_back({anel(i, j), anel(i + 1, j), anel(i + 1, j + 1)});
            t.push_back({anel(i, j), anel(i + 1, j + 1), anel(i, j + 1)});
        }
    for (long j = 0; j < fatias; ++j)
        t.push_back({sul, anel(pilhas - 1, j + 1), anel(pilhas - 1, j)});
    return esfera;
}

long escreve_esfera(const std::filesystem::path& arquivo, long triangulos) {
    const Esfera esfera = gera_esfera(triangulos);
    escreve(arquivo, texto_proprio(esfera));
    return static_cast<long>(esfera.triangulos.size());
}

void escreve_esfera_em(const std::filesystem::path& arquivo, const Esfera& esfera) {
    const std::string extensao = arquivo.extension().string();
    escreve(arquivo, extensao == ".stl"   ? bytes_stl(esfera)
                     : extensao == ".ply" ? bytes_ply(esfera)
                                          : texto_obj(esfera));
}

} // namespace quindra::bench
