#include "geometry/instrumental_basico.hpp"

#include <gtest/gtest.h>

namespace quindra {
namespace {

void espera_vetor(const Vetor& v, double x, double y, double z) {
    EXPECT_DOUBLE_EQ(v.x, x);
    EXPECT_DOUBLE_EQ(v.y, y);
    EXPECT_DOUBLE_EQ(v.z, z);
}

TEST(Vetor, NormalizaDeixaVetoresCurtosComoEstao) {
    Vetor nulo(0, 0, 0), curto(1e-9, 0, 0), v(3, 4, 0);
    nulo.normaliza();
    curto.normaliza();
    v.normaliza();
    espera_vetor(nulo, 0, 0, 0);
    espera_vetor(curto, 1e-9, 0, 0);
    espera_vetor(v, 0.6, 0.8, 0);
}

TEST(Vetor, NormaDeComponentesEnormesNaoEstoura) {
    Vetor v(0, 3e200, -4e200);
    EXPECT_DOUBLE_EQ(v.norma(), 5e200);
    v.normaliza();
    espera_vetor(v, 0, 0.6, -0.8);
    EXPECT_TRUE(std::isinf(Vetor(1.5e308, 1.5e308, 0).norma())); // beyond the double range
}

TEST(Vetor, NuloUsaToleranciaEstrita) {
    EXPECT_TRUE(Vetor(9.9e-9, -9.9e-9, 0).nulo());
    EXPECT_FALSE(Vetor(1e-8, 0, 0).nulo());
    EXPECT_FALSE(Vetor(0, 0, -1e-8).nulo());
}

TEST(Vetor, ProdutosVetoriaisTemOrdensOpostas) {
    Vetor direto(1, 0, 0), inverso(1, 0, 0);
    direto.produto_vetorial(Vetor(0, 1, 0));
    inverso.produto_vetorial_inverso(Vetor(0, 1, 0));
    espera_vetor(direto, 0, 0, 1);
    espera_vetor(inverso, 0, 0, -1);

    // Every component comes from the old values, even when the operand is the receiver.
    Vetor a(1, 2, 3);
    a.produto_vetorial(a);
    espera_vetor(a, 0, 0, 0);
}

TEST(Vetor, ProjecaoSobreVetorNuloNaoDivide) {
    Vetor v(1, 2, 3);
    EXPECT_EQ(v.coeficiente_projecao(Vetor(0, 0, 0)), 0.0);
    v.projeta(Vetor(0, 0, 0));
    espera_vetor(v, 0, 0, 0);

    Vetor w(1, 2, 3);
    w.projeta(Vetor(0, 0, 2));
    espera_vetor(w, 0, 0, 3);
}

TEST(Vetor, Paralelo) {
    struct Caso {
        Vetor u, w;
        bool esperado;
    };
    const Caso casos[] = {
        {{0, 0, 1}, {0, 0, 5}, true},    {{1, 2, 3}, {2, 4, 6}, true},
        {{1, 2, 3}, {-1, -2, -3}, true}, {{0, 1, 0}, {0, 7, 0}, true},
        {{0, 0, 1}, {1, 0, 1}, false},   {{1, 2, 3}, {1, 2, 4}, false},
        {{1, 1, 0}, {2, 2.5, 0}, false}, {{0, 0, 0}, {0, 0, 0}, true},
        {{0, 0, 0}, {0, 0, 1}, false},   {{1, 1, 1}, {0, 0, 0}, true},
    };
    for (const auto& c : casos)
        EXPECT_EQ(c.u.paralelo(c.w), c.esperado)
            << "(" << c.u.x << ", " << c.u.y << ", " << c.u.z << ") com (" << c.w.x << ", " << c.w.y
            << ", " << c.w.z << ")";
}

TEST(Vetor, OperacoesComPontosUsamCoordenadasDeCamera) {
    Ponto p(10, 20, 30), q(-1, -1, -1);
    p.atribui_vista(1, 2, 3);
    q.atribui_vista(0.5, 0.5, 0.5);
    Vetor v;
    v.diferenca(p, q);
    espera_vetor(v, 0.5, 1.5, 2.5);
    v.copia_ponto(p);
    espera_vetor(v, 1, 2, 3);

    p.subtrai(q);
    EXPECT_DOUBLE_EQ(p.xv, 0.5);
    EXPECT_DOUBLE_EQ(p.x, 10); // the world triple is untouched
}

TEST(Cor, LimitaSoCortaAcimaDoTeto) {
    Cor c(300, 255, -5);
    c.limita();
    EXPECT_EQ(c.r, 255);
    EXPECT_EQ(c.g, 255);
    EXPECT_EQ(c.b, -5);
}

TEST(Cor, Compoe) {
    Cor resultado(9, 9, 9);
    compoe(resultado, Cor(100, 50, 0), Cor(0.5, 1, 1), 0.2);
    EXPECT_DOUBLE_EQ(resultado.r, 10);
    EXPECT_DOUBLE_EQ(resultado.g, 10);
    EXPECT_DOUBLE_EQ(resultado.b, 0);
}

TEST(Conversao, Real) {
    struct Caso {
        const char* texto;
        bool erro;
        double valor;
    };
    const Caso casos[] = {
        {"1.5", false, 1.5},     {"  -2.25 ", false, -2.25},
        {"+3", false, 3},        {"1e3", false, 1000},
        {"2.5E-1", false, 0.25}, {".5", false, 0.5},
        {"5.", false, 5},        {"1,5", true, 0},
        {"", true, 0},           {"   ", true, 0},
        {".", true, 0},          {"1e", true, 0},
        {"1.2.3", true, 0},      {"inf", true, 0},
        {"-INF", true, 0},       {"nan", true, 0},
        {"0x1A", true, 0},       {"1e400", true, 0},
        {"1 000", true, 0},      {"+-1", true, 0},
        {"1.5x", true, 0},
    };
    for (const auto& c : casos) {
        bool erro = !c.erro;
        const double valor = converte_real(c.texto, erro);
        EXPECT_EQ(erro, c.erro) << '"' << c.texto << '"';
        if (!c.erro) {
            EXPECT_DOUBLE_EQ(valor, c.valor) << c.texto;
        }
    }
}

TEST(Conversao, Inteiro) {
    struct Caso {
        const char* texto;
        bool erro;
        int valor;
    };
    const Caso casos[] = {
        {"12", false, 12},
        {" -7 ", false, -7},
        {"+3", false, 3},
        {"2147483647", false, 2147483647},
        {"-2147483648", false, -2147483647 - 1},
        {"2147483648", true, 0},
        {"1.0", true, 0},
        {"", true, 0},
        {"-", true, 0},
        {"+-1", true, 0},
        {"$1F", true, 0},
        {"1e3", true, 0},
    };
    for (const auto& c : casos) {
        bool erro = !c.erro;
        const int valor = converte_inteiro(c.texto, erro);
        EXPECT_EQ(erro, c.erro) << '"' << c.texto << '"';
        if (!c.erro) {
            EXPECT_EQ(valor, c.valor) << c.texto;
        }
    }
}

} // namespace
} // namespace quindra
