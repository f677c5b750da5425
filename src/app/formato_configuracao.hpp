// The text files of the working folder as texts and numbers, apart from any window:
// camera.txt, cena.txt and objeto.txt, which carry field texts between runs, and tetcores.txt,
// the colours of tetrahedron mode. Readers take any LeitorTexto, a file's or bytes in memory.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "geometry/leitor_texto.hpp"
#include "scene/cena.hpp"
#include "scene/tetraedros.hpp"

namespace quindra {

/// The files written in place of a missing or unreadable one, byte for byte.
inline constexpr std::string_view CAMERA_PADRAO = "0 0 1\r\n0 1 0\r\n0 0 0\r\n1\r\n1\r\n1 \r\n";
inline constexpr std::string_view CENA_PADRAO =
    "255 255 255\r\n0.5\r\n1\r\n255 255 255\r\n0 0 0\r\n";
inline constexpr std::string_view OBJETO_PADRAO =
    "255 255 0\r\n255 255 0\r\n255 255 255\r\n255 255 255\r\n0.5\r\n0.5\r\n1\r\n";

/// The configuration files, in the order they are read and written, with their defaults.
struct ArquivoConfiguracao {
    std::string_view nome, padrao;
};
inline constexpr std::size_t ARQUIVO_CAMERA = 0, ARQUIVO_CENA = 1, ARQUIVO_OBJETO = 2;
inline constexpr std::array<ArquivoConfiguracao, 3> ARQUIVOS_CONFIGURACAO{
    {{"camera.txt", CAMERA_PADRAO}, {"cena.txt", CENA_PADRAO}, {"objeto.txt", OBJETO_PADRAO}}};

/// How many numbers each line holds: camera.txt (N, V, C, d, hx, hy), the ambient block that
/// opens cena.txt (Ia, Ka), objeto.txt (Od1, Od2, Os1, Os2, Kd, Ks, n).
inline constexpr std::array LINHAS_CAMERA{3, 3, 3, 1, 1, 1};
inline constexpr std::array LINHAS_AMBIENTE{3, 1};
inline constexpr std::array LINHAS_OBJETO{3, 3, 3, 3, 1, 1, 1};
inline constexpr std::size_t REAIS_CAMERA = 12, REAIS_AMBIENTE = 4, REAIS_OBJETO = 15;

/// Reads textos.size() reals in file order, each as the text a field shows ("1.50" becomes
/// "1.5"). False when any is malformed or missing (the file ends before it).
bool le_reais_como_textos(LeitorTexto& leitor, std::span<std::string> textos);

/// cena.txt as read.
struct ConteudoCena {
    std::array<std::string, REAIS_AMBIENTE> ambiente; // Ia red, green, blue, Ka
    TextosDasFontes fontes;                           // six texts a light, light 1 first
    bool completo = true; // false when a light after the first was malformed or missing: the
                          // lights before it are kept, but the file must give way to its default
};

/// The ambient light, the light count L, light 1 and lights 2 to L. None when the ambient
/// block, L or light 1 is malformed or missing.
std::optional<ConteudoCena> le_cena(LeitorTexto& leitor);

/// The texts separated by single blanks, por_linha[i] of them on line i, each line ended by a
/// carriage return and a line feed.
std::string escreve_linhas(std::span<const std::string_view> textos,
                           std::span<const int> por_linha);

/// cena.txt: the ambient lines, the light count, then every entry of the list followed by a
/// blank, three to a line (a light's intensity, then its position).
std::string escreve_cena(std::span<const std::string_view> ambiente, const TextosDasFontes& fontes);

/// tetcores.txt: 80 records of a whole number (not used) and red, green, blue, in entry
/// order. A record malformed or cut short by the end of the file stops the reading: the
/// colours before it are stored, the entries from it on keep theirs. True when all 80 came.
bool le_cores_tetraedros(LeitorTexto& leitor, TabelaDeTetraedros& tabela);

} // namespace quindra
