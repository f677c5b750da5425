// Numbers to and from text on arbitrary bytes. What converte_real accepts is a finite number
// in the decimal form; what formata_real writes reads back, and writing that again gives the
// same text; whole numbers come back exactly.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "exige.hpp"
#include "geometry/instrumental_basico.hpp"
#include "geometry/numero_texto.hpp"

using namespace quindra;
using fuzz::exige;

namespace {

// Fifteen significant digits are kept, so a value comes back within a few units of the 15th.
constexpr double PRECISAO_RELATIVA = 1e-14;

void volta_igual(double valor) {
    const std::string texto = formata_real(valor);
    bool erro = true;
    const double relido = converte_real(texto, erro);
    exige(!erro, "a written number reads back");
    exige(std::fabs(relido - valor) <= PRECISAO_RELATIVA * std::fabs(valor),
          "a written number reads back to nearly the same value");
    exige(formata_real(relido) == texto, "a number read back is written the same");
}

void texto_real(std::string_view texto) {
    bool erro = true;
    const double valor = converte_real(texto, erro);
    if (erro) return;
    exige(std::isfinite(valor), "only finite numbers are accepted");
    exige(texto.find_first_not_of("+-.0123456789eE \t") == std::string_view::npos,
          "no infinity, NaN, hexadecimal or comma is accepted");
    volta_igual(valor);
}

void texto_inteiro(std::string_view texto) {
    bool erro = true;
    const int valor = converte_inteiro(texto, erro);
    if (erro) return;
    exige(converte_inteiro(formata_inteiro(valor), erro) == valor && !erro,
          "a whole number comes back exactly");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string_view texto(reinterpret_cast<const char*>(dados), tamanho);
    texto_real(texto);
    texto_inteiro(texto);
    // The same bytes as the bits of a double and of a whole number.
    if (tamanho >= sizeof(double)) {
        double valor;
        std::memcpy(&valor, dados, sizeof valor);
        if (std::isfinite(valor)) volta_igual(valor);
    }
    if (tamanho >= sizeof(std::int32_t)) {
        std::int32_t inteiro;
        std::memcpy(&inteiro, dados, sizeof inteiro);
        bool erro = true;
        exige(converte_inteiro(formata_inteiro(inteiro), erro) == inteiro && !erro,
              "every 32-bit whole number comes back exactly");
    }
    return 0;
}
