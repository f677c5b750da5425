#include "malhas/gltf_uri.hpp"

#include <array>
#include <cstdint>

namespace quindra::gltf {

namespace {

constexpr std::string_view PREFIXO_DADOS = "data:";
constexpr std::string_view MARCA_BASE64 = ";base64";

constexpr std::uint8_t INVALIDO = 0xFF;

constexpr std::array<std::uint8_t, 256> tabela_base64() {
    std::array<std::uint8_t, 256> tabela{};
    tabela.fill(INVALIDO);
    constexpr std::string_view ALFABETO =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    for (std::size_t i = 0; i < ALFABETO.size(); ++i)
        tabela[static_cast<unsigned char>(ALFABETO[i])] = static_cast<std::uint8_t>(i);
    return tabela;
}
constexpr std::array<std::uint8_t, 256> BASE64 = tabela_base64();

std::optional<std::vector<char>> decodifica_base64(std::string_view texto) {
    // up to two '=' pad the last group; a lone character left over is never a whole byte
    for (int i = 0; i < 2 && texto.ends_with('='); ++i) texto.remove_suffix(1);
    if (texto.size() % 4 == 1) return std::nullopt;
    std::vector<char> bytes;
    bytes.reserve(texto.size() / 4 * 3 + 2);
    std::uint32_t acumulado = 0;
    int bits = 0;
    for (const char c : texto) {
        const std::uint8_t valor = BASE64[static_cast<unsigned char>(c)];
        if (valor == INVALIDO) return std::nullopt;
        acumulado = (acumulado << 6 | valor) & 0xFFFFFF;
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes.push_back(static_cast<char>(acumulado >> bits & 0xFF));
        }
    }
    return bytes;
}

int digito_hexadecimal(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

bool eh_uri_de_dados(std::string_view uri) { return uri.starts_with(PREFIXO_DADOS); }

std::optional<std::vector<char>> decodifica_dados(std::string_view uri) {
    if (!eh_uri_de_dados(uri)) return std::nullopt;
    const std::size_t virgula = uri.find(',');
    if (virgula == std::string_view::npos || !uri.substr(0, virgula).ends_with(MARCA_BASE64))
        return std::nullopt;
    return decodifica_base64(uri.substr(virgula + 1));
}

std::optional<std::string> caminho_relativo(std::string_view uri) {
    // a scheme is letters and the like up to a ':' that comes before any '/'
    const std::size_t dois_pontos = uri.find(':');
    if (uri.empty() || uri.front() == '/' ||
        (dois_pontos != std::string_view::npos && dois_pontos < uri.find('/')))
        return std::nullopt;
    std::string caminho;
    for (std::size_t i = 0; i < uri.size(); ++i) {
        if (uri[i] != '%') {
            caminho += uri[i];
            continue;
        }
        const int alto = i + 2 < uri.size() ? digito_hexadecimal(uri[i + 1]) : -1;
        const int baixo = alto < 0 ? -1 : digito_hexadecimal(uri[i + 2]);
        if (baixo < 0) return std::nullopt;
        caminho += static_cast<char>(alto * 16 + baixo);
        i += 2;
    }
    // a '\0' would cut the path short where the system reads it
    if (caminho.front() == '/' || caminho.find('\0') != std::string::npos) return std::nullopt;
    return caminho;
}

} // namespace quindra::gltf
