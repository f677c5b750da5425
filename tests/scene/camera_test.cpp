#include "scene/camera.hpp"

#include <gtest/gtest.h>
#include <string>

namespace quindra {
namespace {

void espera_vetor(const Vetor& v, double x, double y, double z, const char* nome) {
    EXPECT_NEAR(v.x, x, 1e-12) << nome;
    EXPECT_NEAR(v.y, y, 1e-12) << nome;
    EXPECT_NEAR(v.z, z, 1e-12) << nome;
}

struct CasoBase {
    Vetor n, v;
    Vetor n_esperado, v_esperado, u_esperado;
};

TEST(Camera, AtualizaConstroiBaseOrtonormal) {
    const CasoBase casos[] = {
        {{0, 0, -1}, {0, 1, 0}, {0, 0, -1}, {0, 1, 0}, {1, 0, 0}},
        {{0, 0, -2}, {0, 5, 3}, {0, 0, -1}, {0, 1, 0}, {1, 0, 0}},
        {{0, 0, 0}, {7, 7, 7}, {0, 0, 1}, {0, 1, 0}, {-1, 0, 0}},
        {{0, 0, -1}, {0, 0, 4}, {0, 0, -1}, {1, 0, 0}, {0, -1, 0}}, // V parallel to N
        {{0, 0, -1}, {0, 0, 0}, {0, 0, -1}, {1, 0, 0}, {0, -1, 0}}, // V null
        // N along x: replacing V.x alone leaves V null or parallel; y is taken instead
        {{2, 0, 0}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
        {{-3, 0, 0}, {5, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, 0, -1}},
        // N along y with V parallel: the usual repair already works (V.x := 1)
        {{0, 1, 0}, {0, 2, 0}, {0, 1, 0}, {1, 0, 0}, {0, 0, -1}},
    };
    for (const auto& c : casos) {
        const Camera camera(c.n, c.v, Ponto(0, 0, 200), 1, 1, 1);
        espera_vetor(camera.N, c.n_esperado.x, c.n_esperado.y, c.n_esperado.z, "N");
        espera_vetor(camera.V, c.v_esperado.x, c.v_esperado.y, c.v_esperado.z, "V");
        espera_vetor(camera.U, c.u_esperado.x, c.u_esperado.y, c.u_esperado.z, "U");
    }
}

const TextosCamera VALIDOS{"0", "0", "-1", "0", "1", "0", "0", "0", "200", "1", "1", "1"};

TEST(LeCamera, SucessoCriaEDepoisAtualiza) {
    std::optional<Camera> camera;
    EXPECT_EQ(le_camera(camera, VALIDOS), std::string(39, ' '));
    ASSERT_TRUE(camera);
    EXPECT_EQ(camera->C.z, 200);
    EXPECT_EQ(camera->C.zv, 0);

    TextosCamera outros = VALIDOS;
    outros.Nz = "5";
    outros.Cx = "-3.5";
    outros.d = "2";
    const Camera* antes = &*camera;
    EXPECT_EQ(le_camera(camera, outros), std::string(39, ' '));
    EXPECT_EQ(&*camera, antes); // the same camera, updated in place
    EXPECT_EQ(camera->N.z, 1);
    EXPECT_EQ(camera->C.x, -3.5);
    EXPECT_EQ(camera->d, 2);
}

TEST(LeCamera, PrimeiroCampoRuimDecideEANadaMuda) {
    struct Caso {
        std::string_view TextosCamera::*campo;
        const char* texto;
        const char* mensagem;
    };
    const Caso casos[] = {
        {&TextosCamera::Nx, "a", "N.x em formato inválido."},
        {&TextosCamera::Ny, "1,0", "N.y em formato inválido."},
        {&TextosCamera::Nz, "", "N.z em formato inválido."},
        {&TextosCamera::Vx, "x", "V.x em formato inválido."},
        {&TextosCamera::Vy, "x", "V.y em formato inválido."},
        {&TextosCamera::Vz, "x", "V.z em formato inválido."},
        {&TextosCamera::Cx, "x", "C.x em formato inválido."},
        {&TextosCamera::Cy, "x", "C.y em formato inválido."},
        {&TextosCamera::Cz, "x", "C.z em formato inválido."},
        {&TextosCamera::d, "0", "d(dist. focal) em formato inválido."},
        {&TextosCamera::d, "-2", "d(dist. focal) em formato inválido."},
        {&TextosCamera::hx, "-1", "hx em formato inválido."},
        {&TextosCamera::hy, "0", "hy em formato inválido."},
        {&TextosCamera::hy, "inf", "hy em formato inválido."},
    };
    for (const auto& c : casos) {
        std::optional<Camera> camera;
        le_camera(camera, VALIDOS);
        TextosCamera textos = VALIDOS;
        textos.*c.campo = c.texto;
        textos.Cz = textos.Cz == "200" ? "999" : textos.Cz; // would change C if stored
        EXPECT_EQ(le_camera(camera, textos), c.mensagem);
        EXPECT_EQ(camera->C.z, 200) << c.mensagem;
    }

    // Both N.y and V.x bad: N.y is read first.
    TextosCamera duas = VALIDOS;
    duas.Ny = "?";
    duas.Vx = "?";
    std::optional<Camera> nenhuma;
    EXPECT_EQ(le_camera(nenhuma, duas), "N.y em formato inválido.");
    EXPECT_FALSE(nenhuma);
}

} // namespace
} // namespace quindra
