#include "malhas/orcamento_carga.hpp"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

#include "apoio/bytes_binarios.hpp"
#include "malhas/malha_lida.hpp"
#include "malhas/mensagens_carga.hpp"
#include "malhas/obj.hpp"
#include "malhas/off.hpp"
#include "malhas/ply.hpp"
#include "malhas/stl.hpp"

namespace quindra {
namespace {

using teste::BytesBinarios;

TEST(OrcamentoCarga, CustoSaturaEOrcamentoCabeNaMemoria) {
    constexpr std::size_t MAXIMO = std::numeric_limits<std::size_t>::max();
    EXPECT_EQ(custo_da_malha(3, 2), 3 * CUSTO_POR_PONTO + 2 * CUSTO_POR_TRIANGULO);
    EXPECT_EQ(custo_da_malha(MAXIMO / 2, 0), MAXIMO);
    EXPECT_EQ(custo_da_malha(MAXIMO / CUSTO_POR_PONTO, MAXIMO / CUSTO_POR_TRIANGULO), MAXIMO);
    // a machine this runs on has some memory, and far less than a count can say
    EXPECT_GT(orcamento_de_carga(), std::size_t{1} << 20);
    EXPECT_LT(orcamento_de_carga(), MAXIMO / 2);
}

// A face of many corners, in each format that has polygons, and as many separate triangles in
// STL: it loads while its points and triangles fit the budget and is refused with the message
// when the budget is one triangle short, before the file's claims are reserved.
TEST(OrcamentoCarga, CadaLeitorRecusaOQueNaoCabe) {
    constexpr int CANTOS = 20'000;
    constexpr std::size_t TRIANGULOS = CANTOS - 2;
    std::string obj, off = "OFF\n" + std::to_string(CANTOS) + " 1 0\n";
    std::string ply = "ply\nformat ascii 1.0\nelement vertex " + std::to_string(CANTOS) +
                      "\nproperty float x\nproperty float y\nproperty float z\nelement face 1\n"
                      "property list int int vertex_indices\nend_header\n";
    std::string face_obj = "f", face_off = std::to_string(CANTOS);
    for (int i = 0; i < CANTOS; ++i) {
        const std::string ponto = std::to_string(i) + " " + std::to_string(i * i % 7) + " 0\n";
        obj += "v " + ponto, off += ponto, ply += ponto;
        face_obj += " " + std::to_string(i + 1), face_off += " " + std::to_string(i);
    }
    obj += face_obj + "\n", off += face_off + "\n", ply += face_off + "\n";
    // the same triangles as the fan, with their corners repeated as STL writes them
    BytesBinarios stl;
    stl << std::string(80, ' ') << static_cast<std::uint32_t>(TRIANGULOS);
    for (std::size_t t = 0; t < TRIANGULOS; ++t) {
        stl << 0.f << 0.f << 0.f;
        for (std::size_t v : {std::size_t{0}, t + 1, t + 2})
            stl << static_cast<float>(v) << static_cast<float>(v * v % 7) << 0.f;
        stl << std::uint16_t{0};
    }
    struct Caso {
        const char* nome;
        std::string (*leitor)(std::string_view, MalhaLida&);
        const std::string& arquivo;
    };
    const Caso casos[] = {{"obj", le_obj, obj},
                          {"off", le_off, off},
                          {"ply", le_ply, ply},
                          {"stl", le_stl, stl.bytes()}};
    for (const Caso& caso : casos) {
        const std::size_t basta = custo_da_malha(CANTOS, TRIANGULOS);
        for (const std::size_t orcamento : {basta, basta - 1}) {
            MalhaLida lida;
            lida.orcamento = orcamento;
            const bool cabe = orcamento == basta;
            ASSERT_EQ(caso.leitor(caso.arquivo, lida),
                      cabe ? MENSAGEM_SUCESSO_OBJETO : ARQUIVO_GRANDE_DEMAIS)
                << caso.nome;
            if (!cabe) continue;
            ASSERT_EQ(lida.pontos.size(), std::size_t{CANTOS}) << caso.nome;
            ASSERT_EQ(lida.triangulos.size(), TRIANGULOS) << caso.nome;
            const Triangulo& ultimo = lida.triangulos.back();
            EXPECT_EQ((std::array{ultimo.vertice1, ultimo.vertice2, ultimo.vertice3}),
                      (std::array{1, CANTOS - 1, CANTOS}))
                << caso.nome;
        }
    }
}

// Whatever a reader did, the installer has the last word, and a refused mesh leaves the loaded
// one as it was.
TEST(OrcamentoCarga, InstalacaoRecusaOQueNaoCabe) {
    Malha malha;
    for (const bool cabe : {true, false}) {
        MalhaLida lida;
        for (int i = 0; i < 4; ++i) lida.pontos.emplace_back(i, i * i, 0);
        lida.triangulos = {{1, 2, 3}, {2, 3, 4}};
        lida.orcamento = custo_da_malha(4, 2) - (cabe ? 0 : 1);
        EXPECT_EQ(instala_malha(malha, std::move(lida)),
                  cabe ? MENSAGEM_SUCESSO_OBJETO : ARQUIVO_GRANDE_DEMAIS);
        EXPECT_EQ(malha.NumTriangulos(), 2);
    }
}

} // namespace
} // namespace quindra
