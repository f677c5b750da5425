#include "geometry/arredondamento.hpp"

#include <gtest/gtest.h>
#include <limits>

namespace quindra {
namespace {

TEST(Arredondamento, MetadeVaiParaOPar) {
    EXPECT_EQ(arredonda(0.5), 0);
    EXPECT_EQ(arredonda(1.5), 2);
    EXPECT_EQ(arredonda(2.5), 2);
    EXPECT_EQ(arredonda(-0.5), 0);
    EXPECT_EQ(arredonda(-1.5), -2);
    EXPECT_EQ(arredonda(329.5), 330);
    EXPECT_EQ(arredonda(2.4999999), 2);
}

TEST(Arredondamento, TruncaEmDirecaoAoZero) {
    EXPECT_EQ(trunca(247.9), 247);
    EXPECT_EQ(trunca(-0.9), 0);
    EXPECT_EQ(trunca(-1.1), -1);
}

TEST(Arredondamento, ValoresForaDeAlcanceSaturam) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (auto converte : {arredonda, trunca}) {
        EXPECT_EQ(converte(1e300), LIMITE_PIXEL);
        EXPECT_EQ(converte(-1e300), -LIMITE_PIXEL);
        EXPECT_EQ(converte(inf), LIMITE_PIXEL);
        EXPECT_EQ(converte(-inf), -LIMITE_PIXEL);
        EXPECT_EQ(converte(nan), -LIMITE_PIXEL);
    }
}

} // namespace
} // namespace quindra
