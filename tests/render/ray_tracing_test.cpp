#include "render/ray_tracing.hpp"

#include <gtest/gtest.h>
#include <tbb/global_control.h>
#include <tbb/task_arena.h>

#include <cmath>
#include <vector>

#include "apoio/cena_teste.hpp"
#include "render/algoritmos.hpp"
#include "render/cena_raios.hpp"
#include "view/coordenadas.hpp"

namespace quindra {
namespace {

constexpr double PI = 3.14159265358979323846;

struct Quadrilatero {
    Ponto a, b, c, d;
};

// Turns every triangle so that its normal points away from centro (world coordinates): out of
// a convex solid around it, or up from a surface above it.
void orienta_para_fora(Malha& malha, const Camera& camera, Ponto centro) {
    Vista vista;
    vista.ajusta(malha);
    transforma_pontos(vista, malha, camera);
    dispoe_lista(vista, malha);
    calcula_normais_faces(vista);
    transforma_ponto(centro, camera, 1);
    Vetor fora;
    for (std::size_t k = 0; k < malha.Triangulos.size(); ++k) {
        Triangulo& t = malha.Triangulos[k];
        fora.diferenca(vista.Pontos[t.indices()[0]], centro);
        if (vista.normal[k].produto_escalar(fora) < 0) std::swap(t.vertice2, t.vertice3);
    }
}

Malha de_quadrilateros(std::initializer_list<Quadrilatero> quadrilateros, const Camera& camera,
                       const Ponto& centro) {
    Malha malha;
    for (const Quadrilatero& q : quadrilateros) {
        const auto n = static_cast<std::int32_t>(malha.Pontos.size());
        malha.Pontos.insert(malha.Pontos.end(), {q.a, q.b, q.c, q.d});
        malha.Triangulos.insert(malha.Triangulos.end(),
                                {{n + 1, n + 2, n + 3}, {n + 1, n + 3, n + 4}});
    }
    orienta_para_fora(malha, camera, centro);
    return malha;
}

// A horizontal square of side 2 * meio at height z.
Quadrilatero chao(double meio, double z) {
    return {Ponto(-meio, -meio, z), Ponto(meio, -meio, z), Ponto(meio, meio, z),
            Ponto(-meio, meio, z)};
}

// A closed convex solid facing the camera: the cap of a sphere of radius 50 about its pole at
// +z, 50 degrees wide, closed by the flat disc under it. One meridian lies in the plane x = 0,
// so the middle column of pixels looks exactly along a seam of shared edges.
Malha calota(const Camera& camera) {
    constexpr int aneis = 12, fatias = 48;
    constexpr double raio = 50, abertura = 50 * PI / 180;
    Malha malha;
    malha.Pontos.push_back(Ponto(0, 0, raio));
    for (int i = 1; i <= aneis; ++i) {
        const double theta = abertura * i / aneis;
        for (int j = 0; j < fatias; ++j) {
            const double phi = 2 * PI * j / fatias;
            malha.Pontos.push_back(Ponto(raio * std::sin(theta) * std::sin(phi),
                                         raio * std::sin(theta) * std::cos(phi),
                                         raio * std::cos(theta)));
        }
    }
    const double base = raio * std::cos(abertura);
    malha.Pontos.push_back(Ponto(0, 0, base));
    const auto anel = [](int i, int j) { return 2 + (i - 1) * fatias + j % fatias; };
    const auto centro_base = static_cast<std::int32_t>(malha.Pontos.size());
    for (int j = 0; j < fatias; ++j) {
        malha.Triangulos.emplace_back(1, anel(1, j), anel(1, j + 1));
        for (int i = 1; i < aneis; ++i) {
            malha.Triangulos.emplace_back(anel(i, j), anel(i + 1, j), anel(i + 1, j + 1));
            malha.Triangulos.emplace_back(anel(i, j), anel(i + 1, j + 1), anel(i, j + 1));
        }
        malha.Triangulos.emplace_back(centro_base, anel(aneis, j + 1), anel(aneis, j));
    }
    orienta_para_fora(malha, camera, Ponto(0, 0, base + 1));
    return malha;
}

// Rolling ground: hills that shade and mirror one another.
Malha relevo(const Camera& camera) {
    constexpr int lado = 40;
    Malha malha;
    for (int i = 0; i <= lado; ++i)
        for (int j = 0; j <= lado; ++j) {
            const double x = -80 + 160.0 * i / lado, y = -80 + 160.0 * j / lado;
            malha.Pontos.push_back(Ponto(x, y, 15 * std::sin(x / 12) * std::cos(y / 15)));
        }
    const auto p = [](int i, int j) { return 1 + i * (lado + 1) + j; };
    for (int i = 0; i < lado; ++i)
        for (int j = 0; j < lado; ++j) {
            malha.Triangulos.emplace_back(p(i, j), p(i + 1, j), p(i + 1, j + 1));
            malha.Triangulos.emplace_back(p(i, j), p(i + 1, j + 1), p(i, j + 1));
        }
    orienta_para_fora(malha, camera, Ponto(0, 0, -1000));
    return malha;
}

// Orange on both sides, ambient 20.2 (its fraction keeps truncation clear of rounding errors).
class RayTracing : public ::testing::Test {
protected:
    void SetUp() override {
        material.Od1 = material.Od2 = Cor(200, 100, 0);
        material.Kd = 0.5;
        material.Rugosidade = 1;
        cena.Ia = Cor(101, 101, 101);
        cena.Ka = 0.2;
    }
    void poe_luzes(std::initializer_list<Ponto> posicoes) {
        cena.Il.assign(posicoes.size(), Cor(255, 255, 255));
        cena.Pl = posicoes;
    }
    // One Draw through the dispatch, as the window runs it.
    Bitmap desenha_com(Algoritmo algoritmo, const Malha& malha, CenaRaios* raios = nullptr,
                       Acompanhamento acompanhamento = {}) {
        Bitmap tela = teste::tela_nova();
        std::optional<ZBuffer> z;
        ProjecaoTextura projecao;
        Vista vista;
        Desenho desenho{tela, malha, vista, camera, material, cena, z, projecao};
        desenho.raios = raios;
        desenho.acompanhamento = acompanhamento;
        desenha(algoritmo, desenho);
        return tela;
    }
    Bitmap traca(const Malha& malha, CenaRaios* raios = nullptr) {
        return desenha_com(Algoritmo::RayTracing, malha, raios);
    }
    // The pixel whose ray meets the world point (camera_inicial: camera z = 200 - z).
    static CorPixel no_ponto(const Bitmap& tela, const Ponto& p) {
        const double zv = 200 - p.z;
        return tela.pixel(projeta_coluna(p.x / zv), projeta_linha(p.y / zv));
    }

    Camera camera = teste::camera_inicial();
    Material material;
    Cena cena;
};

// The model worked out by hand for one light at unit intensity 255 and a matt surface.
double difusa(const Vetor& normal, const Ponto& p, const Ponto& luz, double od, double kd) {
    Vetor l(luz.x - p.x, luz.y - p.y, luz.z - p.z);
    l.normaliza();
    return std::max(0.0, normal.produto_escalar(l)) * kd * od;
}

TEST_F(RayTracing, PontoEscondidoDaLuzRecebeSoOAmbiente) {
    // A floor at z = 0 and a small square above it at z = 50; the light at (60, 0, 150). A
    // floor point X is dark when the segment to the light crosses z = 50 within the square:
    // there x = (2 X.x + 60) / 3, so -45 <= X.x <= -15 (and |X.y| <= 15). The specular weight
    // is on, so the hidden point loses the highlight too; its mirror ray escapes upwards. A
    // far-off square beyond single precision, which the structure leaves out, changes nothing.
    material.Ks = 0.5;
    material.Os1 = material.Os2 = Cor(255, 255, 255);
    poe_luzes({Ponto(60, 0, 150)});
    const Malha malha = de_quadrilateros({chao(100, 0), chao(10, 50), chao(1e300, -1e300)}, camera,
                                         Ponto(0, 0, -1000));
    const Bitmap tela = traca(malha);
    teste::guarda_para_olhar(tela, "ray_tracing_sombra");

    for (const double x : {-40.0, -30.0, -20.0})
        EXPECT_EQ(no_ponto(tela, Ponto(x, 0, 0)), (CorPixel{20, 20, 20})) << x;
    // Outside the shadow: ambient, diffuse and the highlight, nl = rv from the geometry.
    const Ponto lit(30, 0, 0), luz(60, 0, 150);
    Vetor l(luz.x - lit.x, 0, luz.z), v(-lit.x, 0, 200);
    l.normaliza(), v.normaliza();
    const double nl = l.z; // the floor's normal is (0, 0, 1)
    const Vetor r(-l.x, -l.y, 2 * nl - l.z);
    const double especular = r.produto_escalar(v) * 0.5 * 255;
    const auto canal = [&](double od) {
        return static_cast<std::uint8_t>(std::min(255.0, 20.2 + nl * 0.5 * od + especular));
    };
    EXPECT_EQ(no_ponto(tela, lit), (CorPixel{canal(200), canal(100), canal(0)}));
}

TEST_F(RayTracing, ObjetoConvexoSemBrilhoIgualAoPhong) {
    // Nothing of a convex solid can hide a light from its own visible surface, and without a
    // specular weight nothing is mirrored: the ray tracer must then see what Phong paints.
    // The two lights put their terminators across the solid. Phong's pixels are not samples at
    // their centres: each span is stretched to its rounded edges, which moves a sample up to
    // half a pixel along the row, and its triangles reach a little past their edges. So a
    // traced pixel must come within one unit of the colours Phong paints at that pixel and its
    // two neighbours on the row, two pixels clear of the rim; nearer the rim it must still lie
    // on Phong's rim.
    camera.hx = camera.hy = 0.4;
    poe_luzes({Ponto(150, 90, 120), Ponto(-120, -40, 60)});
    const Malha malha = calota(camera);
    const Bitmap raios = traca(malha);
    const Bitmap phong = desenha_com(Algoritmo::Phong, malha);
    teste::guarda_para_olhar(raios, "ray_tracing_calota");

    const auto coberto = [](const Bitmap& tela, int x, int y) { return tela.pixel(x, y) != PRETO; };
    // how many pixels of the square of side 2 raio + 1 about (x, y) are painted
    const auto cobertos_em_volta = [&](const Bitmap& tela, int x, int y, int raio) {
        int n = 0;
        for (int dy = -raio; dy <= raio; ++dy)
            for (int dx = -raio; dx <= raio; ++dx) n += coberto(tela, x + dx, y + dy);
        return n;
    };
    const auto longe_da_faixa = [](int valor, int a, int b, int c) {
        return valor < std::min({a, b, c}) - 1 || valor > std::max({a, b, c}) + 1;
    };
    int comparados = 0, diferentes = 0, furos = 0, fora_da_borda = 0;
    for (int y = 2; y < LADO_TELA - 1; ++y)
        for (int x = 2; x < LADO_TELA - 1; ++x) {
            if (coberto(raios, x, y) && !coberto(phong, x, y))
                fora_da_borda += cobertos_em_volta(phong, x, y, 1) == 0;
            if (cobertos_em_volta(phong, x, y, 2) < 25) continue;
            if (!coberto(raios, x, y)) { // a ray slipping between triangles
                ++furos;
                continue;
            }
            ++comparados;
            const CorPixel t = raios.pixel(x, y), e = phong.pixel(x - 1, y), p = phong.pixel(x, y),
                           d = phong.pixel(x + 1, y);
            diferentes += longe_da_faixa(t.r, e.r, p.r, d.r) ||
                          longe_da_faixa(t.g, e.g, p.g, d.g) || longe_da_faixa(t.b, e.b, p.b, d.b);
        }
    EXPECT_GT(comparados, 80000);
    EXPECT_EQ(diferentes, 0);
    EXPECT_EQ(furos, 0);
    EXPECT_EQ(fora_da_borda, 0);
}

TEST_F(RayTracing, ConcavidadeRefleteOProprioObjeto) {
    // A floor and a wall at x = 60 facing it. From the eye, the floor point X = (30, 0, 0) is
    // seen along (30, 0, -200); its mirror ray (30, 0, 200) meets the wall at W = (60, 0, 200),
    // which it sees lit by the light at (0, 0, 150), and whose own mirror ray escapes. The
    // specular colour is black, so the only thing Ks adds is Ks times W's colour.
    material.Ks = 0.5;
    poe_luzes({Ponto(0, 0, 150)});
    const Ponto x(30, 0, 0), w(60, 0, 200), luz(0, 0, 150);
    const Quadrilatero parede{Ponto(60, -100, 0), Ponto(60, 100, 0), Ponto(60, 100, 300),
                              Ponto(60, -100, 300)};
    const Ponto fora(1000, 0, -1000);
    const Bitmap com_parede = traca(de_quadrilateros({chao(100, 0), parede}, camera, fora));
    const Bitmap sem_parede = traca(de_quadrilateros({chao(100, 0)}, camera, fora));
    teste::guarda_para_olhar(com_parede, "ray_tracing_reflexo");

    const auto canal = [&](double od) {
        const double chao_local = 20.2 + difusa(Vetor(0, 0, 1), x, luz, od, 0.5);
        const double parede_local = 20.2 + difusa(Vetor(-1, 0, 0), w, luz, od, 0.5);
        return std::pair{static_cast<std::uint8_t>(chao_local),
                         static_cast<std::uint8_t>(chao_local + 0.5 * parede_local)};
    };
    const auto [r0, r1] = canal(200);
    const auto [g0, g1] = canal(100);
    const auto [b0, b1] = canal(0);
    EXPECT_EQ(no_ponto(sem_parede, x), (CorPixel{r0, g0, b0}));
    EXPECT_EQ(no_ponto(com_parede, x), (CorPixel{r1, g1, b1}));
}

TEST_F(RayTracing, MesmoQuadroComUmOuVariosFiosEAcompanhamento) {
    // Hills with two lights, shadows and three bounces. Each frame builds its own structure,
    // under its own thread limit.
    material.Ks = 0.5;
    material.Os1 = material.Os2 = Cor(255, 255, 255);
    material.Rugosidade = 8;
    camera = Camera({0, 150, -120}, {0, 0, 1}, Ponto(0, -150, 120), 1, 0.7, 0.7);
    poe_luzes({Ponto(120, -100, 90), Ponto(-150, 60, 50)});
    const Malha malha = relevo(camera);
    const auto com_fios = [&](int fios) {
        tbb::global_control limite(tbb::global_control::max_allowed_parallelism, fios);
        tbb::task_arena arena(fios);
        return arena.execute([&] {
            CenaRaios raios;
            return traca(malha, &raios);
        });
    };
    const Bitmap um = com_fios(1);
    teste::guarda_para_olhar(um, "ray_tracing_relevo");
    EXPECT_LT(teste::conta_pixels(um, PRETO), 597 * 597 - 50000);
    EXPECT_EQ(um.rgb(), com_fios(4).rgb());

    // Followed from outside: every row counted; cancelled: the frame is left as it was.
    CenaRaios raios;
    std::atomic<int> linhas{0};
    std::atomic<bool> cancelar{false};
    const Bitmap completo = desenha_com(Algoritmo::RayTracing, malha, &raios, {&cancelar, &linhas});
    EXPECT_EQ(linhas, LINHAS_TRACADAS);
    EXPECT_EQ(completo.rgb(), um.rgb());
    Bitmap tela = teste::tela_nova();
    tela.define_caneta(BRANCO);
    const Bitmap antes = tela;
    cancelar = true;
    std::optional<ZBuffer> z;
    ProjecaoTextura projecao;
    Vista vista;
    const Desenho desenho{tela,
                          malha,
                          vista,
                          camera,
                          material,
                          cena,
                          z,
                          projecao,
                          nullptr,
                          {},
                          {},
                          &raios,
                          {&cancelar, &linhas}};
    EXPECT_FALSE(desenha_ray_tracing(desenho, raios));
    EXPECT_EQ(tela.rgb(), antes.rgb());
    EXPECT_EQ(tela.caneta(), BRANCO);
}

TEST_F(RayTracing, NadaParaVerDaQuadroLimpo) {
    poe_luzes({Ponto(0, 0, 150)});
    const Ponto fora(0, 0, -1000);
    Malha sem_ponto = de_quadrilateros({chao(50, 0)}, camera, fora);
    sem_ponto.Triangulos[1].vertice3 = 5;
    const struct {
        const char* nome;
        Malha malha;
    } casos[] = {
        {"vazia", Malha{}},
        {"atras do olho", de_quadrilateros({chao(50, 250)}, camera, fora)},
        // camera z 0.5, nearer than the focal plane at d = 1; it would fill the frame
        {"antes do plano focal", de_quadrilateros({chao(1, 199.5)}, camera, fora)},
        {"ponto que falta", sem_ponto},
    };
    for (const auto& c : casos) {
        const Bitmap tela = traca(c.malha);
        EXPECT_EQ(teste::conta_pixels(tela, PRETO), 597 * 597) << c.nome;
        EXPECT_EQ(tela.rgb(), desenha_com(Algoritmo::Phong, c.malha).rgb()) << c.nome;
    }
}

} // namespace
} // namespace quindra
