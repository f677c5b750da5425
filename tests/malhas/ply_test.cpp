#include "malhas/ply.hpp"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

#include "apoio/bytes_binarios.hpp"
#include "malhas/mensagens_carga.hpp"

namespace quindra {
namespace {

using teste::BytesBinarios;

const std::string PONTOS_E_FACE =
    "element vertex 3\nproperty float x\nproperty float y\nproperty float z\n"
    "element face 1\nproperty list uchar int vertex_indices\n";

std::string corpo(bool ascii) {
    if (ascii) return "0 0 0\n1 0 0\n0 1 0\n3 0 1 2\n";
    BytesBinarios bytes;
    bytes << 0.f << 0.f << 0.f << 1.f << 0.f << 0.f << 0.f << 1.f << 0.f;
    bytes << std::uint8_t{3} << std::int32_t{0} << std::int32_t{1} << std::int32_t{2};
    return bytes.bytes();
}

std::string ply(bool ascii, const std::string& antes, const std::string& depois = "") {
    return std::string("ply\nformat ") + (ascii ? "ascii" : "binary_little_endian") + " 1.0\n" +
           antes + PONTOS_E_FACE + depois + "end_header\n" + corpo(ascii);
}

// Counts are claims the body must be able to hold before any record is read: records without
// properties take no bytes and are skipped at once however many are claimed (thousands of
// elements claiming the most a count can say once took minutes), while the records of every
// element together must fit the body's bytes, and an element that cannot fails before the points
// are read.
TEST(LePly, ContagensLimitadasPeloCorpo) {
    const auto vazios = [](const char* quantos) {
        std::string elementos;
        for (int i = 0; i < 2000; ++i)
            elementos += "element vazio" + std::to_string(i) + " " + quantos + "\n";
        return elementos;
    };
    // counts the padded body could hold, were each record a byte
    const std::string enchimento(1'000'000, ' ');
    const std::string um_byte = "element extra 1000\nproperty uchar a\n";
    const std::string lista = "element extra 1000\nproperty list uchar int a\n";
    struct Caso {
        std::string nome, arquivo;
        const std::string& mensagem;
        std::size_t pontos;
    };
    for (const bool ascii : {true, false}) {
        const Caso casos[] = {
            {"vazios antes", ply(ascii, vazios("1000000")) + enchimento, MENSAGEM_SUCESSO_OBJETO,
             3},
            {"vazios depois", ply(ascii, "", vazios("18446744073709551615")),
             MENSAGEM_SUCESSO_OBJETO, 3},
            {"um byte antes", ply(ascii, um_byte), ARQUIVO_COM_PROBLEMAS, 0},
            {"um byte depois", ply(ascii, "", um_byte), ARQUIVO_COM_PROBLEMAS, 0},
            {"lista depois", ply(ascii, "", lista), ARQUIVO_COM_PROBLEMAS, 0},
            {"exato", ply(ascii, "", "element extra 3\nproperty uchar a\n") + "1 2 3\n",
             MENSAGEM_SUCESSO_OBJETO, 3},
        };
        for (const Caso& caso : casos) {
            MalhaLida lida;
            EXPECT_EQ(le_ply(caso.arquivo, lida), caso.mensagem) << caso.nome << ascii;
            EXPECT_EQ(lida.pontos.size(), caso.pontos) << caso.nome << ascii;
        }
    }
}

} // namespace
} // namespace quindra
