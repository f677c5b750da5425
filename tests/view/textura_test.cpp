#include "view/textura.hpp"

#include <gtest/gtest.h>

#include <limits>

#include "apoio/cena_teste.hpp"
#include "view/coordenadas.hpp"

namespace quindra {
namespace {

// World x spans -10..30 and y spans -7..20, so u = (x + 10) / 40 and v = (y + 7) / 27.
Malha malha_exemplo() {
    Malha malha;
    malha.Pontos = {Ponto(0, 20, -4), Ponto(-10, 5, 3), Ponto(30, -7, 0), Ponto(12, 0, 9)};
    return malha;
}

// Looking at the origin from above, to the right and in front: no axis lines up with the world.
Camera camera_obliqua() {
    return Camera({-0.5, -0.4, -0.7}, {0, 1, 0}, Ponto(60, 50, 90), 1, 1, 1);
}

TEST(Textura, RetanguloEDirecaoDaProjecao) {
    const Camera camera = teste::camera_inicial(); // camera coordinates (x, y, 200 - z)
    ProjecaoTextura p;
    prepara_textura(p, malha_exemplo(), camera);
    const Ponto& o = p.OrigemTextura;
    EXPECT_TRUE(o.xv == -10 && o.yv == -7 && o.zv == 200);
    EXPECT_TRUE(p.CantoU.x == 30 && p.CantoU.y == -7 && p.CantoV.x == -10 && p.CantoV.y == 20);
    EXPECT_TRUE(p.EixoU.x == 40 && p.EixoU.y == 0 && p.EixoV.x == 0 && p.EixoV.y == 27);
    EXPECT_EQ(p.DirecaoProjecao.z, -1); // world z is the camera's -N

    // A mesh with no points leaves everything as it was.
    const ProjecaoTextura antes = p;
    prepara_textura(p, Malha{}, camera_obliqua());
    EXPECT_DOUBLE_EQ(p.EixoU.x, antes.EixoU.x);
    EXPECT_DOUBLE_EQ(p.OrigemTextura.zv, antes.OrigemTextura.zv);
}

TEST(Textura, CoordenadasSeguemXeYDoMundoQualquerQueSejaZ) {
    const Camera camera = camera_obliqua();
    ProjecaoTextura p;
    prepara_textura(p, malha_exemplo(), camera);
    const struct {
        double x, y, z, u, v;
    } casos[] = {
        {-10, -7, 0, 0, 0},      {30, 5, 40, 1, 12.0 / 27}, {10, 6.5, -80, 0.5, 0.5},
        {10, 6.5, 55, 0.5, 0.5}, {-10, 20, 7, 0, 1},        {50, -34, 3, 1.5, -1},
    };
    for (const auto& c : casos) {
        Ponto ponto(c.x, c.y, c.z);
        transforma_ponto(ponto, camera, 1);
        const CoordenadasTextura t = coordenadas_textura(p, ponto);
        EXPECT_NEAR(t.u, c.u, 1e-12) << c.x << ", " << c.y << ", " << c.z;
        EXPECT_NEAR(t.v, c.v, 1e-12) << c.x << ", " << c.y << ", " << c.z;
    }
}

TEST(Textura, TexelTruncaEFicaPretoForaDaImagem) {
    // A 4 x 3 image whose pixel (x, y) is (10 x, 10 y, 7).
    std::vector<std::uint8_t> rgb;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            rgb.insert(rgb.end(), {std::uint8_t(10 * x), std::uint8_t(10 * y), 7});
    const Bitmap imagem(4, 3, rgb);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double u, v;
        CorPixel esperada;
    } casos[] = {
        {0, 1, {0, 0, 7}},         // (min x, max y): the top-left pixel
        {0.99, 0.99, {30, 10, 7}}, // column trunc(3.96), row 3 - trunc(2.97)
        {-0.2, 0.5, {0, 20, 7}},   // truncation towards zero keeps column 0
        {0.5, 0.34, {20, 20, 7}},  // just above the bottom band
        {0.5, 0.33, PRETO},        // in it: row 3 - trunc(0.99) = 3, below the image
        {0, 0, PRETO},
        {1, 0.5, PRETO}, // u = 1 is column 4, right of the image
        {1e300, 0.5, PRETO},
        {nan, 0.5, PRETO},
        {0.5, nan, PRETO},
    };
    for (const auto& c : casos)
        EXPECT_EQ(texel(imagem, {c.u, c.v}), c.esperada) << c.u << ", " << c.v;
    EXPECT_EQ(texel(Bitmap(0, 0), {0.5, 0.5}), PRETO);
}

} // namespace
} // namespace quindra
