#include "scene/objeto.hpp"

#include <algorithm>

#include "geometry/leitor_texto.hpp"
#include "scene/malha_lida.hpp"

namespace quindra {

namespace {

// The fewest bytes a record can take ("0 0 0" and a separator): reserving no more than the
// file can hold keeps a huge declared count from allocating anything.
constexpr std::uintmax_t MENOR_REGISTRO = 6;

std::size_t reserva_limitada(std::int32_t declarados, const LeitorTexto& leitor) {
    return static_cast<std::size_t>(std::min<std::uintmax_t>(
        static_cast<std::uintmax_t>(declarados), leitor.tamanho() / MENOR_REGISTRO + 1));
}

bool le_pontos(LeitorTexto& leitor, std::int32_t quantos, MalhaLida& lida) {
    lida.reserva(reserva_limitada(quantos, leitor), 0);
    for (std::int32_t i = 0; i < quantos; ++i) {
        double x, y, z;
        const bool lido = leitor.le_real(x) && leitor.le_real(y) && leitor.le_real(z);
        // The file must go on after every point: at least the triangles follow.
        if (!lido || leitor.fim()) return false;
        lida.pontos.emplace_back(x, y, z);
    }
    return true;
}

bool le_triangulos(LeitorTexto& leitor, std::int32_t quantos, std::int32_t num_pontos,
                   MalhaLida& lida) {
    const auto valido = [num_pontos](std::int32_t indice) {
        return indice >= 1 && indice <= num_pontos;
    };
    lida.reserva(0, reserva_limitada(quantos, leitor));
    for (std::int32_t k = 1; k <= quantos; ++k) {
        std::int32_t i, j, l;
        // An index asked for past the end of the file reads as 0 and fails the range test, so
        // a file that ends right after its last index still loads whole.
        if (!leitor.le_inteiro(i) || !leitor.le_inteiro(j) || !leitor.le_inteiro(l)) return false;
        if (!valido(i) || !valido(j) || !valido(l)) return false;
        lida.triangulos.emplace_back(i, j, l);
    }
    return true;
}

} // namespace

std::string carrega_objeto(Malha& malha, const std::filesystem::path& arquivo) {
    LeitorTexto leitor(arquivo);
    if (!leitor.aberto()) return ERRO_ABERTURA_ARQUIVO;

    std::int32_t num_pontos, num_triangulos;
    if (!leitor.le_inteiro(num_pontos) || !leitor.le_inteiro(num_triangulos) || leitor.fim())
        return ARQUIVO_COM_PROBLEMAS;
    // A negative triangle count is no object either.
    if (num_pontos < 3 || num_triangulos <= 0) return OBJETO_SEM_FACES;

    MalhaLida lida;
    if (!le_pontos(leitor, num_pontos, lida)) return INCONSISTENCIAS_PONTOS;
    if (!le_triangulos(leitor, num_triangulos, num_pontos, lida)) return INCONSISTENCIAS_TRIANGULOS;
    return instala_malha(malha, std::move(lida));
}

} // namespace quindra
