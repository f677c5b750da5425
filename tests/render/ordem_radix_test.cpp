#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <random>
#include <vector>

#include "render/ordem_radix.hpp"

namespace quindra {
namespace {

constexpr double INF = std::numeric_limits<double>::infinity();
const double NAN_ = std::numeric_limits<double>::quiet_NaN();
constexpr double menor() { return std::numeric_limits<double>::denorm_min(); }

// The order the painter's list has always had: a stable sort with NaN after everything.
std::vector<std::uint32_t> referencia(const std::vector<double>& chaves) {
    std::vector<std::uint32_t> ordem(chaves.size());
    std::iota(ordem.begin(), ordem.end(), std::uint32_t{0});
    std::stable_sort(ordem.begin(), ordem.end(), [&](std::uint32_t a, std::uint32_t b) {
        if (std::isnan(chaves[a])) return false;
        return std::isnan(chaves[b]) || chaves[a] < chaves[b];
    });
    return ordem;
}

std::vector<std::uint32_t> radix(OrdemRadix& ordem, const std::vector<double>& chaves) {
    const auto r = ordem.ordena(chaves.size(), [&](std::size_t i) { return chaves[i]; });
    return {r.begin(), r.end()};
}

TEST(OrdemRadix, MesmaOrdemQueOrdenacaoEstavel) {
    const std::vector<std::vector<double>> casos = {
        {},
        {7},
        {5, 1, 3, 1, 5, 0},
        // -0 and +0 are one key, their order kept; subnormals sit between them and the rest.
        {0.0, -0.0, menor(), -menor(), 0.0, -0.0, 1e-300},
        {INF, -INF, NAN_, 1, -NAN_, -1, INF, NAN_, -INF},
        {-2.5, -1e300, 3, -2.5, 1e300, -0.0, 2.5, -1e-300},
        // Keys that share every digit but the lowest, and ones that differ only in the highest.
        {1.0, std::nextafter(1.0, 2.0), 1.0, std::nextafter(1.0, 0.0), 1.0},
        {1e-200, 1e200, -1e200, 1e-200},
    };
    OrdemRadix ordem;
    for (const auto& chaves : casos) EXPECT_EQ(radix(ordem, chaves), referencia(chaves));
}

TEST(OrdemRadix, MuitasChavesRepetidasEBuffersReusados) {
    // Squared distances like a mesh's: a few exact repeats among many near values. Sorting a
    // longer list, then a shorter one, reuses the buffers without leaking old positions. The
    // long lists go through buckets: keys spread wide, keys crowded into a few buckets, keys
    // that differ only in their lowest bits, and one NaN among them.
    std::mt19937_64 gerador(42);
    std::uniform_real_distribution<double> distancia(30000, 50000);
    OrdemRadix ordem;
    for (std::size_t n : {20000u, 3000u, 300000u, 20000u}) {
        std::vector<double> chaves(n);
        for (double& c : chaves) c = gerador() % 8 == 0 ? 40000.0 : distancia(gerador);
        EXPECT_EQ(radix(ordem, chaves), referencia(chaves)) << n;
    }
    std::vector<double> juntas(100000), rentes(100000);
    for (double& c : juntas) c = gerador() % 2 ? 1e-300 * (1 + gerador() % 5) : distancia(gerador);
    for (double& c : rentes) c = std::nextafter(40000.0, 1e9 * (gerador() % 3));
    rentes[777] = NAN_;
    EXPECT_EQ(radix(ordem, juntas), referencia(juntas));
    EXPECT_EQ(radix(ordem, rentes), referencia(rentes));
}

TEST(OrdemRadix, ChaveMonotona) {
    const double crescentes[] = {-INF, -1e300, -1, -menor(), 0, menor(), 1, 1e300, INF};
    for (std::size_t i = 0; i + 1 < std::size(crescentes); ++i)
        EXPECT_LT(OrdemRadix::monotona(crescentes[i]), OrdemRadix::monotona(crescentes[i + 1]));
    EXPECT_EQ(OrdemRadix::monotona(-0.0), OrdemRadix::monotona(0.0));
    EXPECT_EQ(OrdemRadix::monotona(NAN_), OrdemRadix::monotona(-NAN_));
    EXPECT_GT(OrdemRadix::monotona(NAN_), OrdemRadix::monotona(INF));
}

} // namespace
} // namespace quindra
