#include "geometry/numero_texto.hpp"

#include <clocale>
#include <gtest/gtest.h>

#include "geometry/instrumental_basico.hpp"

namespace quindra {
namespace {

TEST(FormataReal, FormaGeralComQuinzeDigitos) {
    struct Caso {
        double valor;
        const char* texto;
    };
    const Caso casos[] = {
        {255, "255"},
        {0.5, "0.5"},
        {-0.25, "-0.25"},
        {1e20, "1E20"},
        {1.5e-7, "1.5E-7"},
        {0, "0"},
        {-0.0, "0"},
        {100, "100"},
        {123456789012345, "123456789012345"},
        {1e15, "1E15"},
        {0.0001, "0.0001"},
        {0.00001, "1E-5"},
        {0.1, "0.1"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {-1234.5678, "-1234.5678"},
        {3.141592653589793, "3.14159265358979"},
        {9.9999999999999999, "10"},
        {1.79769313486231e308, "1.79769313486231E308"},
        // fifteen digits would round these past the largest double, which reads back as out
        // of range: the shortest exact text is written instead
        {1.7976931348623157e308, "1.7976931348623157E308"},
        {-1.7976931348623157e308, "-1.7976931348623157E308"},
        {1.7976931348623155e308, "1.7976931348623155E308"},
        {4.9406564584124654e-324, "4.94065645841247E-324"},
    };
    for (const auto& c : casos) EXPECT_EQ(formata_real(c.valor), c.texto) << c.texto;
}

TEST(FormataReal, VoltaAoMesmoNumeroPelaConversao) {
    for (double valor : {0.5, -123.25, 1e-7, 4e300, 6.02214076e23, 1.7976931348623157e308,
                          -1.7976931348623155e308, 4.9406564584124654e-324}) {
        bool erro = true;
        EXPECT_EQ(converte_real(formata_real(valor), erro), valor);
        EXPECT_FALSE(erro);
    }
}

// A Brazilian desktop sets a decimal comma in the process locale; nothing may follow it.
TEST(FormataReal, IgnoraALocalidadeDoProcesso) {
    const char* anterior = std::setlocale(LC_ALL, nullptr);
    const std::string restaurar = anterior ? anterior : "C";
    ASSERT_NE(std::setlocale(LC_ALL, "pt_BR.UTF-8"), nullptr)
        << "the pt_BR.UTF-8 locale is missing; ./test.sh generates it";
    bool erro = true;
    const double valor = converte_real("1.5", erro);
    const std::string texto = formata_real(-0.25);
    bool erro_virgula = false;
    converte_real("1,5", erro_virgula);
    std::setlocale(LC_ALL, restaurar.c_str());

    EXPECT_FALSE(erro);
    EXPECT_EQ(valor, 1.5);
    EXPECT_EQ(texto, "-0.25");
    EXPECT_TRUE(erro_virgula);
}

} // namespace
} // namespace quindra
