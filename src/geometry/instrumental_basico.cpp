#include "geometry/instrumental_basico.hpp"

#include "geometry/numero_texto.hpp"

namespace quindra {

namespace {

// One axis of the parallelism test: the ratio w/u when u has a usable component.
enum class Razao { nenhuma, existe, impossivel };

Razao razao_do_eixo(double u, double w, double& razao) {
    if (std::fabs(u) >= TOLERANCIA_NULO) {
        razao = w / u;
        return Razao::existe;
    }
    return std::fabs(w) <= TOLERANCIA_NULO ? Razao::nenhuma : Razao::impossivel;
}

} // namespace

double Vetor::norma_sem_estouro() const {
    const double maior = std::fmax(std::fabs(x), std::fmax(std::fabs(y), std::fabs(z)));
    if (!std::isfinite(maior)) return maior; // an infinite or NaN component has no length
    const double a = x / maior, b = y / maior, c = z / maior;
    return maior * std::sqrt(a * a + b * b + c * c);
}

bool Vetor::paralelo(const Vetor& w) const {
    const double u_eixos[3] = {x, y, z};
    const double w_eixos[3] = {w.x, w.y, w.z};
    double razoes[3];
    int quantas = 0;
    for (int eixo = 0; eixo < 3; ++eixo) {
        switch (razao_do_eixo(u_eixos[eixo], w_eixos[eixo], razoes[quantas])) {
        case Razao::existe:
            ++quantas;
            break;
        case Razao::impossivel:
            return false;
        case Razao::nenhuma:
            break;
        }
    }
    // Absolute comparison of the ratios, against the first one.
    for (int i = 1; i < quantas; ++i)
        if (!(std::fabs(razoes[0] - razoes[i]) < TOLERANCIA_NULO)) return false;
    return true;
}

double converte_real(std::string_view texto, bool& erro) {
    double valor = 0;
    erro = !le_real_decimal(sem_brancos(texto), valor);
    return erro ? 0.0 : valor;
}

int converte_inteiro(std::string_view texto, bool& erro) {
    int valor = 0;
    erro = !le_inteiro_decimal(sem_brancos(texto), valor);
    return erro ? 0 : valor;
}

} // namespace quindra
