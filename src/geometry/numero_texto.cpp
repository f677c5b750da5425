#include "geometry/numero_texto.hpp"

#include <charconv>
#include <cmath>
#include <optional>

namespace quindra {

namespace {

bool eh_digito(char c) { return c >= '0' && c <= '9'; }
bool eh_branco(char c) { return c == ' ' || c == '\t'; }

// Advances i over a run of digits and says how many there were.
std::size_t pula_digitos(std::string_view t, std::size_t& i) {
    const std::size_t inicio = i;
    while (i < t.size() && eh_digito(t[i])) ++i;
    return i - inicio;
}

// from_chars knows no leading "+", and would take "inf", "nan" and other forms we refuse,
// so the shape of the token is checked here first.
bool forma_decimal_valida(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t digitos = pula_digitos(t, i);
    if (i < t.size() && t[i] == '.') {
        ++i;
        digitos += pula_digitos(t, i);
    }
    if (digitos == 0) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        if (pula_digitos(t, i) == 0) return false;
    }
    return i == t.size();
}

std::string_view sem_mais(std::string_view t) {
    return !t.empty() && t.front() == '+' ? t.substr(1) : t;
}

constexpr int DIGITOS_SIGNIFICATIVOS = 15;

// The general form of a finite, non-zero value: plain digits for exponents from -4 to 14,
// otherwise one digit, the rest after a point and "E" with the exponent. With a digit count
// the value is rounded to it; without one, the fewest digits that read back exactly.
std::string forma_geral(double valor, std::optional<int> digitos_significativos) {
    char cientifica[40]; // e.g. "-1.50000000000000e-07" or "-1.7976931348623157e+308"
    const auto fim = digitos_significativos
                         ? std::to_chars(cientifica, cientifica + sizeof cientifica, valor,
                                         std::chars_format::scientific, *digitos_significativos - 1)
                               .ptr
                         : std::to_chars(cientifica, cientifica + sizeof cientifica, valor,
                                         std::chars_format::scientific)
                               .ptr;
    const std::string_view texto(cientifica, static_cast<std::size_t>(fim - cientifica));
    const std::size_t posicao_e = texto.find('e');
    int expoente = 0;
    const std::string_view texto_expoente = sem_mais(texto.substr(posicao_e + 1));
    std::from_chars(texto_expoente.data(), texto_expoente.data() + texto_expoente.size(), expoente);

    const bool negativo = texto.front() == '-';
    std::string digitos; // the significant digits without the point or trailing zeros
    for (char c : texto.substr(0, posicao_e))
        if (eh_digito(c)) digitos += c;
    while (digitos.size() > 1 && digitos.back() == '0') digitos.pop_back();

    std::string resultado = negativo ? "-" : "";
    if (expoente >= DIGITOS_SIGNIFICATIVOS || expoente < -4) {
        resultado += digitos[0];
        if (digitos.size() > 1) resultado.append(".").append(digitos, 1);
        resultado.append("E").append(formata_inteiro(expoente));
    } else if (expoente < 0) {
        resultado.append("0.").append(static_cast<std::size_t>(-expoente - 1), '0');
        resultado.append(digitos);
    } else {
        const auto inteiros = static_cast<std::size_t>(expoente) + 1;
        resultado.append(digitos, 0, inteiros);
        if (digitos.size() <= inteiros) {
            resultado.append(inteiros - digitos.size(), '0');
        } else {
            resultado.append(".").append(digitos, inteiros);
        }
    }
    return resultado;
}

} // namespace

std::string formata_inteiro(std::int64_t valor) {
    char texto[24];
    return {texto, std::to_chars(texto, texto + sizeof texto, valor).ptr};
}

std::string_view sem_brancos(std::string_view texto) {
    while (!texto.empty() && eh_branco(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && eh_branco(texto.back())) texto.remove_suffix(1);
    return texto;
}

bool le_real_decimal(std::string_view token, double& valor) {
    if (!forma_decimal_valida(token)) return false;
    const std::string_view numero = sem_mais(token);
    const auto [fim, erro] = std::from_chars(numero.data(), numero.data() + numero.size(), valor);
    return erro == std::errc() && fim == numero.data() + numero.size() && std::isfinite(valor);
}

bool le_inteiro_decimal(std::string_view token, int& valor) {
    const std::string_view numero = sem_mais(token);
    if (numero.empty() || (numero.front() == '-' && numero.size() == 1)) return false;
    if (numero.size() != token.size() && numero.front() == '-') return false; // "+-5"
    const auto [fim, erro] = std::from_chars(numero.data(), numero.data() + numero.size(), valor);
    return erro == std::errc() && fim == numero.data() + numero.size();
}

std::string formata_real(double valor) {
    if (std::isnan(valor)) return "NAN";
    if (std::isinf(valor)) return valor > 0 ? "INF" : "-INF";
    if (valor == 0) return "0";
    std::string texto = forma_geral(valor, DIGITOS_SIGNIFICATIVOS);
    // Near the largest double, rounding to fifteen digits can round past it ("1.79769313486232E308"),
    // and that text would no longer read back; the shortest exact text always does.
    double relido = 0;
    if (!le_real_decimal(texto, relido)) texto = forma_geral(valor, std::nullopt);
    return texto;
}

} // namespace quindra
