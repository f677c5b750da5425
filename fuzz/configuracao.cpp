// The readers of the working folder's files on arbitrary bytes: camera.txt and objeto.txt,
// cena.txt and tetcores.txt. Whatever a reader accepts, written back as the window writes it,
// must read again to the very same texts, so that a file never decays from one run to the next.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/formato_configuracao.hpp"
#include "exige.hpp"

using namespace quindra;
using fuzz::exige;

namespace {

template <std::size_t N>
std::array<std::string_view, N> vistas(const std::array<std::string, N>& textos) {
    std::array<std::string_view, N> resultado;
    for (std::size_t i = 0; i < N; ++i) resultado[i] = textos[i];
    return resultado;
}

// camera.txt or objeto.txt: N reals, so many to a line.
template <std::size_t N, std::size_t L>
void reais(std::string_view bytes, const std::array<int, L>& por_linha) {
    LeitorTexto leitor = LeitorTexto::em_memoria(bytes);
    std::array<std::string, N> textos;
    if (!le_reais_como_textos(leitor, textos)) return;
    const std::string gravado = escreve_linhas(vistas(textos), por_linha);
    LeitorTexto releitor = LeitorTexto::em_memoria(gravado);
    std::array<std::string, N> relidos;
    exige(le_reais_como_textos(releitor, relidos), "a written file reads again");
    exige(relidos == textos, "a written file reads again to the same texts");
}

void cena(std::string_view bytes) {
    LeitorTexto leitor = LeitorTexto::em_memoria(bytes);
    const auto lida = le_cena(leitor);
    if (!lida) return;
    const std::size_t fontes = lida->fontes.size() / CAMPOS_POR_FONTE;
    exige(lida->fontes.size() % CAMPOS_POR_FONTE == 0 && fontes >= 1, "whole lights, one at least");
    // Lights past the end of the file are capped; each of the others takes a byte at least.
    exige(fontes <= bytes.size() + 101, "a light count cannot inflate the list");

    const std::string gravado = escreve_cena(vistas(lida->ambiente), lida->fontes);
    LeitorTexto releitor = LeitorTexto::em_memoria(gravado);
    const auto relida = le_cena(releitor);
    exige(relida && relida->completo, "a written scene reads again");
    exige(relida->ambiente == lida->ambiente && relida->fontes == lida->fontes,
          "a written scene reads again to the same texts");
}

void cores(std::string_view bytes) {
    LeitorTexto leitor = LeitorTexto::em_memoria(bytes);
    TabelaDeTetraedros tabela;
    le_cores_tetraedros(leitor, tabela);
    for (const EntradaTetraedro& entrada : tabela)
        exige(std::isfinite(entrada.cor.r) && std::isfinite(entrada.cor.g) &&
                  std::isfinite(entrada.cor.b),
              "colours read are numbers");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string_view bytes(reinterpret_cast<const char*>(dados), tamanho);
    reais<REAIS_CAMERA>(bytes, LINHAS_CAMERA);
    reais<REAIS_OBJETO>(bytes, LINHAS_OBJETO);
    cena(bytes);
    cores(bytes);
    return 0;
}
