#include "malhas/formatos.hpp"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

#include "apoio/bytes_binarios.hpp"
#include "apoio/pasta_temporaria.hpp"
#include "malhas/arquivo_em_memoria.hpp"
#include "malhas/mensagens_carga.hpp"

namespace quindra {
namespace {

using teste::BytesBinarios;
using teste::PastaTemporaria;

// A pyramid on a square base: the base is a quad, fanned into two triangles.
constexpr int PONTOS[5][3] = {{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}, {1, 1, 4}};
const std::vector<std::vector<int>> FACES = {
    {0, 1, 2, 3}, {0, 1, 4}, {1, 2, 4}, {2, 3, 4}, {3, 0, 4}};
// The fan of (1 2 3 4) is (1 2 3) (1 3 4); the order of the points is also the order in which
// the triangles first use them, so merged corners get the same numbers.
constexpr int TRIANGULOS[6][3] = {{1, 2, 3}, {1, 3, 4}, {1, 2, 5}, {2, 3, 5}, {3, 4, 5}, {4, 1, 5}};

std::string numero(int valor) { return std::to_string(valor); }

std::string ponto_em_texto(int i, std::string_view separador = " ") {
    return numero(PONTOS[i][0]) + std::string(separador) + numero(PONTOS[i][1]) +
           std::string(separador) + numero(PONTOS[i][2]);
}

std::string objeto_proprio() {
    std::string texto = "5 6\n";
    for (int i = 0; i < 5; ++i) texto += ponto_em_texto(i) + "\n";
    for (const auto& t : TRIANGULOS)
        texto += numero(t[0]) + " " + numero(t[1]) + " " + numero(t[2]) + "\n";
    return texto;
}

std::string obj_simples() {
    std::string texto;
    for (int i = 0; i < 5; ++i) texto += "v " + ponto_em_texto(i) + "\n";
    for (const auto& face : FACES) {
        texto += "f";
        for (int v : face) texto += " " + numero(v + 1);
        texto += "\n";
    }
    return texto;
}

// Every corner form, relative numbers, records we skip, CRLF line breaks, a weight after a point.
std::string obj_variado() {
    std::string texto = "# piramide\r\nmtllib piramide.mtl\r\no piramide\r\n";
    for (int i = 0; i < 5; ++i) texto += "v " + ponto_em_texto(i) + " 1.0\r\n";
    texto += "vt 0 0\r\nvn 0 0 1\r\ng base\r\nusemtl pedra\r\ns off\r\n"
             "f 1/1/1 2/1/1 3/1/1 4/1/1\r\n"
             "f -5//1 -4//1 -1//1\r\n"
             "f 2/1 3/1 5/1\r\n"
             "f -3 -2 -1\r\n"
             "l 1 2\r\n"
             "f 4 1 5";
    return texto;
}

std::string off(bool variado) {
    std::string texto = variado ? "# piramide\n\nCOFF 5 5 10\n" : "OFF\n5 5 10\n";
    for (int i = 0; i < 5; ++i)
        texto += ponto_em_texto(i) + (variado ? " 255 0 0 255 # cor\n" : "\n");
    for (const auto& face : FACES) {
        texto += numero(static_cast<int>(face.size()));
        for (int v : face) texto += " " + numero(v);
        texto += variado ? " 0 255 0\n\n" : "\n";
    }
    return texto;
}

// x float, y double and z short, properties and an element to skip, in the three encodings.
std::string ply(std::string_view formato) {
    const bool ascii = formato == "ascii";
    std::string texto = "ply\r\nformat " + std::string(formato) +
                        " 1.0\r\ncomment piramide\r\n"
                        "element vertex 5\r\n"
                        "property float x\r\nproperty uchar red\r\nproperty double y\r\n"
                        "property short z\r\nproperty list uchar float uv\r\n"
                        "element material 1\r\nproperty list ushort uchar nome\r\n"
                        "element face 5\r\n"
                        "property list uchar int vertex_indices\r\nproperty uint flags\r\n"
                        "end_header\r\n";
    BytesBinarios corpo(formato == "binary_big_endian" ? std::endian::big : std::endian::little);
    for (const auto& p : PONTOS) {
        if (ascii) texto += numero(p[0]) + " 7 " + numero(p[1]) + " " + numero(p[2]) + " 2 0.5 1\n";
        corpo << static_cast<float>(p[0]) << std::uint8_t{7} << static_cast<double>(p[1])
              << static_cast<std::int16_t>(p[2]) << std::uint8_t{2} << 0.5f << 1.0f;
    }
    texto += ascii ? "3 65 66 67\n" : "";
    corpo << std::uint16_t{3} << "ABC";
    for (const auto& face : FACES) {
        texto += ascii ? numero(static_cast<int>(face.size())) : "";
        corpo << static_cast<std::uint8_t>(face.size());
        for (int v : face) {
            texto += ascii ? " " + numero(v) : "";
            corpo << static_cast<std::int32_t>(v);
        }
        texto += ascii ? " 9\n" : "";
        corpo << std::uint32_t{9};
    }
    return ascii ? texto : texto + corpo.bytes();
}

std::string stl_ascii() {
    std::string texto = "solid piramide de teste\n";
    for (const auto& t : TRIANGULOS) {
        texto += "  facet normal 0 0 0\n    outer loop\n";
        for (int v : t) texto += "      vertex " + ponto_em_texto(v - 1, "  ") + ".0\n";
        texto += "    endloop\n  endfacet\n";
    }
    return texto + "endsolid piramide de teste\n";
}

// Its header starts with "solid", as many exporters write it: the size tells it is binary.
std::string stl_binario(const std::vector<std::array<float, 9>>& facetas) {
    BytesBinarios bytes;
    bytes << std::string_view("solid binario") << std::string(80 - 13, ' ')
          << static_cast<std::uint32_t>(facetas.size());
    for (const auto& f : facetas) {
        bytes << 0.0f << 0.0f << 1.0f;
        for (float c : f) bytes << c;
        bytes << std::uint16_t{0};
    }
    return bytes.bytes();
}

std::vector<std::array<float, 9>> facetas_da_piramide() {
    std::vector<std::array<float, 9>> facetas;
    for (const auto& t : TRIANGULOS) {
        std::array<float, 9>& f = facetas.emplace_back();
        for (int c = 0; c < 9; ++c) f[c] = static_cast<float>(PONTOS[t[c / 3] - 1][c % 3]);
    }
    return facetas;
}

class CarregaMalha : public ::testing::Test {
protected:
    std::string carrega(std::string_view nome, std::string_view conteudo) {
        return carrega_malha(malha, pasta.escreve(nome, conteudo));
    }
    void confere_piramide(const std::string& caso, double fator_z) {
        ASSERT_EQ(malha.NumPontos(), 5) << caso;
        ASSERT_EQ(malha.NumTriangulos(), 6) << caso;
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(malha.Pontos[i].x, PONTOS[i][0]) << caso << " ponto " << i;
            EXPECT_EQ(malha.Pontos[i].y, PONTOS[i][1]) << caso << " ponto " << i;
            EXPECT_EQ(malha.Pontos[i].z, PONTOS[i][2] * fator_z) << caso << " ponto " << i;
        }
        for (int k = 0; k < 6; ++k) {
            const Triangulo& t = malha.Triangulos[k];
            EXPECT_EQ((std::array{t.vertice1, t.vertice2, t.vertice3}),
                      (std::array{TRIANGULOS[k][0], TRIANGULOS[k][1], TRIANGULOS[k][2]}))
                << caso << " triangulo " << k;
            EXPECT_EQ(t.tetraedro, k < 4 ? 1 : 2) << caso;
        }
        ASSERT_TRUE(malha.CentroObjeto) << caso;
        EXPECT_DOUBLE_EQ(malha.CentroObjeto->x, 1) << caso;
        EXPECT_DOUBLE_EQ(malha.CentroObjeto->y, 1) << caso;
        EXPECT_DOUBLE_EQ(malha.CentroObjeto->z, 4 * fator_z / 5) << caso;
    }

    PastaTemporaria pasta;
    Malha malha;
};

TEST_F(CarregaMalha, CadaFormatoDaAMesmaPiramide) {
    struct Caso {
        std::string nome, conteudo;
    };
    const Caso casos[] = {
        {"piramide.txt", objeto_proprio()},
        {"piramide.obj", obj_simples()},
        {"variada.Obj", obj_variado()},
        {"piramide.off", off(false)},
        {"colorida.OFF", off(true)},
        {"ascii.ply", ply("ascii")},
        {"little.ply", ply("binary_little_endian")},
        {"big.PLY", ply("binary_big_endian")},
        {"ascii.stl", stl_ascii()},
        {"binario.STL", stl_binario(facetas_da_piramide())},
    };
    for (const Caso& caso : casos) {
        malha = Malha{};
        malha.FatorDilatacaoZ = 2; // the load command's factor reaches every format alike
        ASSERT_EQ(carrega(caso.nome, caso.conteudo), MENSAGEM_SUCESSO_OBJETO) << caso.nome;
        confere_piramide(caso.nome, 2);
    }
}

TEST_F(CarregaMalha, ArquivoMalformadoNaoTocaAMalha) {
    const auto stl = [](std::uint32_t facetas, std::size_t completas) {
        std::string bytes = stl_binario(facetas_da_piramide()).substr(0, 84 + 50 * completas);
        return bytes.replace(80, 4, (BytesBinarios() << facetas).bytes());
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::string ply_cabecalho = "ply\nformat binary_little_endian 1.0\n"
                                      "element vertex 3\nproperty float x\nproperty float y\n"
                                      "property float z\nelement face 1\n"
                                      "property list uchar uint vertex_indices\nend_header\n";
    const std::string ply_pontos =
        (BytesBinarios() << 0.f << 0.f << 0.f << 1.f << 0.f << 0.f << 0.f << 1.f << 0.f).bytes();
    const auto ply_face = [&](std::uint8_t cantos, std::uint32_t indice) {
        BytesBinarios face;
        face << cantos << std::uint32_t{0} << std::uint32_t{1} << indice;
        return ply_cabecalho + ply_pontos + face.bytes();
    };
    const std::string tres_pontos = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";
    const std::string off_tres = "OFF\n3 1 0\n0 0 0\n1 0 0\n0 1 0\n";
    struct Caso {
        std::string nome, conteudo;
        const std::string& mensagem;
    };
    const Caso casos[] = {
        {"curto.stl", "abc", ARQUIVO_COM_PROBLEMAS},
        {"truncado.stl", stl(6, 5), INCONSISTENCIAS_TRIANGULOS},
        {"contagem.stl", stl(0xFFFFFFFFu, 0), INCONSISTENCIAS_TRIANGULOS},
        {"vazio.stl", stl(0, 0), OBJETO_SEM_FACES},
        {"nan.stl", stl_binario({{0, 0, 0, 1, 0, 0, 0, nan, 0}}), INCONSISTENCIAS_PONTOS},
        {"sem_fim.stl", stl_ascii().substr(0, stl_ascii().rfind("endsolid")),
         INCONSISTENCIAS_TRIANGULOS},
        {"virgula.stl", "solid s\nfacet normal 0 0 1\nouter loop\nvertex 1,5 0 0\n",
         INCONSISTENCIAS_PONTOS},
        {"dois_cantos.stl",
         "solid s\nfacet normal 0 0 1\nouter loop\nvertex 0 0 0\nvertex 1 0 0\nendloop\n",
         INCONSISTENCIAS_TRIANGULOS},
        {"alem.obj", tres_pontos + "f 1 2 4\n", INCONSISTENCIAS_TRIANGULOS},
        {"zero.obj", tres_pontos + "f 0 1 2\n", INCONSISTENCIAS_TRIANGULOS},
        {"relativo.obj", tres_pontos + "f -1 -2 -4\n", INCONSISTENCIAS_TRIANGULOS},
        {"lado.obj", tres_pontos + "f 1 2\n", INCONSISTENCIAS_TRIANGULOS},
        {"letra.obj", tres_pontos + "f 1/1 x 3\n", INCONSISTENCIAS_TRIANGULOS},
        {"ponto.obj", "v 0 0\n", INCONSISTENCIAS_PONTOS},
        {"nuvem.obj", tres_pontos, OBJETO_SEM_FACES},
        {"magia.ply", "plyx\nformat ascii 1.0\nend_header\n", ARQUIVO_COM_PROBLEMAS},
        {"formato.ply", "ply\nformat binary_middle_endian 1.0\nend_header\n",
         FORMATO_NAO_SUPORTADO},
        {"tipo.ply", "ply\nformat ascii 1.0\nelement vertex 1\nproperty float128 x\nend_header\n",
         FORMATO_NAO_SUPORTADO},
        {"sem_fim.ply", ply_cabecalho.substr(0, ply_cabecalho.size() - 11), ARQUIVO_COM_PROBLEMAS},
        {"contagem.ply",
         "ply\nformat binary_little_endian 1.0\nelement vertex 2000000000\n"
         "property float x\nproperty float y\nproperty float z\nend_header\n" +
             ply_pontos,
         INCONSISTENCIAS_PONTOS},
        {"sem_z.ply",
         "ply\nformat ascii 1.0\nelement vertex 3\nproperty float x\n"
         "property float y\nend_header\n0 0\n1 0\n0 1\n",
         INCONSISTENCIAS_PONTOS},
        {"indice.ply", ply_face(3, 3), INCONSISTENCIAS_TRIANGULOS},
        {"enorme.ply", ply_face(3, 0xFFFFFFFFu), INCONSISTENCIAS_TRIANGULOS},
        {"lado.ply", ply_face(2, 2), INCONSISTENCIAS_TRIANGULOS},
        {"truncado.ply", ply_face(3, 2).substr(0, ply_cabecalho.size() + ply_pontos.size() + 6),
         INCONSISTENCIAS_TRIANGULOS},
        {"falta_ponto.off", "OFF\n3 1 0\n0 0 0\n1 0 0\n", INCONSISTENCIAS_PONTOS},
        {"negativo.off", "OFF\n-3 1 0\n", ARQUIVO_COM_PROBLEMAS},
        {"palavra.off", "4OFF\n3 1 0\n", ARQUIVO_COM_PROBLEMAS},
        {"indice.off", off_tres + "3 0 1 3\n", INCONSISTENCIAS_TRIANGULOS},
        {"lado.off", off_tres + "2 0 1\n", INCONSISTENCIAS_TRIANGULOS},
        {"sem_face.off", off_tres, INCONSISTENCIAS_TRIANGULOS},
        {"sem_faces.off", "OFF\n3 0 0\n0 0 0\n1 0 0\n0 1 0\n", OBJETO_SEM_FACES},
        {"qualquer.xyz", "3 1\n0 0 0\n", INCONSISTENCIAS_PONTOS}, // an object file
    };
    ASSERT_EQ(carrega("piramide.obj", obj_simples()), MENSAGEM_SUCESSO_OBJETO);
    for (const Caso& caso : casos) {
        EXPECT_EQ(carrega(caso.nome, caso.conteudo), caso.mensagem) << caso.nome;
        confere_piramide(caso.nome, 1);
    }
    for (const char* nome : {"falta.stl", "falta.ply", "falta.off", "falta.obj", "falta.glb"})
        EXPECT_EQ(carrega_malha(malha, pasta.caminho() / nome), ERRO_ABERTURA_ARQUIVO) << nome;
    std::filesystem::create_directory(pasta.caminho() / "pasta.obj");
    EXPECT_EQ(carrega_malha(malha, pasta.caminho() / "pasta.obj"), ERRO_ABERTURA_ARQUIVO);
    confere_piramide("faltas", 1);
}

// Corners repeated by every facet become one point each, numbered as they first appear; -0 and
// +0 are one coordinate. A 100 x 100 grid of squares makes the table grow several times.
TEST_F(CarregaMalha, StlFundeCantosIguais) {
    constexpr int LADO = 100;
    std::vector<std::array<float, 9>> facetas;
    for (int i = 0; i < LADO; ++i)
        for (int j = 0; j < LADO; ++j) {
            const float x0 = static_cast<float>(i), x1 = x0 + 1, y0 = static_cast<float>(j),
                        y1 = y0 + 1;
            facetas.push_back({x0, y0, -0.0f, x1, y0, 0, x1, y1, 0});
            facetas.push_back({x0, y0, 0, x1, y1, 0, x0, y1, -0.0f});
        }
    ASSERT_EQ(carrega("grade.stl", stl_binario(facetas)), MENSAGEM_SUCESSO_OBJETO);
    EXPECT_EQ(malha.NumPontos(), (LADO + 1) * (LADO + 1));
    ASSERT_EQ(malha.NumTriangulos(), 2 * LADO * LADO);
    // each triangle still names the corners it was written with
    for (std::size_t k = 0; k < facetas.size(); ++k) {
        const Triangulo& t = malha.Triangulos[k];
        const int numeros[] = {t.vertice1, t.vertice2, t.vertice3};
        for (int v = 0; v < 3; ++v) {
            const Ponto& p = malha.Pontos[static_cast<std::size_t>(numeros[v] - 1)];
            ASSERT_EQ(p.x, facetas[k][3 * v]) << k;
            ASSERT_EQ(p.y, facetas[k][3 * v + 1]) << k;
            ASSERT_EQ(p.z, 0) << k;
        }
    }
    // first appearance: the first square gives points 1, 2, 3 and then 4 at (0, 1)
    EXPECT_EQ((std::array{malha.Triangulos[1].vertice1, malha.Triangulos[1].vertice2,
                          malha.Triangulos[1].vertice3}),
              (std::array{1, 3, 4}));
    EXPECT_FALSE(std::signbit(malha.Pontos[0].z));
}

TEST(ArquivoEmMemoria, RecusaOQueNaoEhArquivoOuPassaDoLimite) {
    PastaTemporaria pasta;
    const auto arquivo = pasta.escreve("dez.stl", "0123456789");
    std::uintmax_t tamanho = 0;
    EXPECT_EQ(recusa_arquivo(arquivo, 10, tamanho), nullptr);
    EXPECT_EQ(tamanho, 10u);
    EXPECT_EQ(recusa_arquivo(arquivo, 9, tamanho), &ARQUIVO_GRANDE_DEMAIS);
    EXPECT_EQ(recusa_arquivo(pasta.caminho(), 10, tamanho), &ERRO_ABERTURA_ARQUIVO);
    EXPECT_EQ(recusa_arquivo("/dev/zero", 10, tamanho), &ERRO_ABERTURA_ARQUIVO);
    EXPECT_EQ(ArquivoEmMemoria(arquivo).bytes(), "0123456789");
}

} // namespace
} // namespace quindra
