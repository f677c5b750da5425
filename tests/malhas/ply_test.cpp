#include "malhas/ply.hpp"

#include <array>
#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// A body as the format stores it, with the count and index types of the strips' list.
struct Corpo {
    std::string_view formato;
    std::endian ordem;
    std::string_view contagem, indice;
};
constexpr Corpo CORPOS[] = {
    {"ascii", std::endian::little, "int", "int"},
    {"binary_little_endian", std::endian::little, "int", "int"},
    {"binary_big_endian", std::endian::big, "int", "short"},
    {"binary_little_endian", std::endian::little, "uint", "char"},
};

// Values as a body holds them: words in ASCII, otherwise their type's bytes in the byte order.
class Escrita {
public:
    explicit Escrita(const Corpo& corpo) : ascii_(corpo.formato == "ascii"), bytes_(corpo.ordem) {}

    Escrita& valor(std::string_view tipo, std::int64_t v) {
        if (ascii_)
            bytes_ << std::to_string(v) << " ";
        else if (tipo == "float")
            bytes_ << static_cast<float>(v);
        else if (tipo == "short")
            bytes_ << static_cast<std::int16_t>(v);
        else if (tipo == "char")
            bytes_ << static_cast<std::int8_t>(v);
        else if (tipo == "uint")
            bytes_ << static_cast<std::uint32_t>(v);
        else
            bytes_ << static_cast<std::int32_t>(v);
        return *this;
    }
    // A list whose count claims a_mais items beyond those it holds.
    void lista(std::string_view contagem, std::string_view indice,
               std::span<const std::int64_t> itens, std::int64_t a_mais = 0) {
        valor(contagem, static_cast<std::int64_t>(itens.size()) + a_mais);
        for (const std::int64_t item : itens) valor(indice, item);
    }
    const std::string& bytes() const { return bytes_.bytes(); }

private:
    bool ascii_;
    BytesBinarios bytes_;
};

using Listas = std::vector<std::vector<std::int64_t>>;
constexpr int PONTOS = 6;

// Six points, an element "face" with a record per face when there are any, then an element
// "tristrips" with a record per list.
std::string arquivo_de_tiras(const Corpo& corpo, const Listas& faces, const Listas& tiras,
                             std::int64_t a_mais = 0) {
    std::string texto = "ply\nformat " + std::string(corpo.formato) + " 1.0\nelement vertex " +
                        std::to_string(PONTOS) +
                        "\nproperty float x\nproperty float y\nproperty float z\n";
    if (!faces.empty())
        texto += "element face " + std::to_string(faces.size()) +
                 "\nproperty list int int vertex_indices\n";
    texto += "element tristrips " + std::to_string(tiras.size()) + "\nproperty list " +
             std::string(corpo.contagem) + " " + std::string(corpo.indice) +
             " vertex_indices\nend_header\n";
    Escrita escrita(corpo);
    for (int i = 0; i < PONTOS; ++i)
        escrita.valor("float", i).valor("float", i * i % 5).valor("float", 0);
    for (const auto& face : faces) escrita.lista("int", "int", face);
    for (const auto& tira : tiras) escrita.lista(corpo.contagem, corpo.indice, tira, a_mais);
    return texto + escrita.bytes();
}

using Triangulos = std::vector<std::array<std::int32_t, 3>>;

Triangulos triangulos_de(const MalhaLida& lida) {
    Triangulos lista;
    for (const Triangulo& t : lida.triangulos)
        lista.push_back({t.vertice1, t.vertice2, t.vertice3});
    return lista;
}

// Every triangle of a strip keeps the first one's winding, so every other one is turned; a
// triangle with a repeated point joins strips and is dropped, but still counts for the turning;
// -1 and the end of a record end a strip, and a strip under three points makes nothing. Each
// body and list type gives the same triangles, a face's before the strips after it.
TEST(LePly, TirasViramTriangulos) {
    struct Caso {
        const char* nome;
        Listas faces, tiras;
        Triangulos esperados;
    };
    const Caso casos[] = {
        {"cinco", {}, {{0, 1, 2, 3, 4}}, {{1, 2, 3}, {3, 2, 4}, {3, 4, 5}}},
        {"separadores",
         {},
         {{-1, 0, 1, 2, -1, -1, 3, 4, -1, 2, 3, 4, 5, -1}},
         {{1, 2, 3}, {3, 4, 5}, {5, 4, 6}}},
        {"juncao", {}, {{0, 1, 2, 3, 3, 4, 4, 5, 1}}, {{1, 2, 3}, {3, 2, 4}, {5, 6, 2}}},
        {"ida e volta", {}, {{0, 1, 0, 2}}, {{1, 2, 3}}},
        {"curtas", {}, {{}, {0, 1}, {-1}, {2, -1, 3}}, {}},
        {"um registro por tira", {}, {{0, 1}, {2, 3, 4}}, {{3, 4, 5}}},
        {"faces e tiras", {{0, 1, 2, 3}}, {{3, 4, 5}}, {{1, 2, 3}, {1, 3, 4}, {4, 5, 6}}},
    };
    for (const Corpo& corpo : CORPOS)
        for (const Caso& caso : casos) {
            MalhaLida lida;
            EXPECT_EQ(le_ply(arquivo_de_tiras(corpo, caso.faces, caso.tiras), lida),
                      MENSAGEM_SUCESSO_OBJETO)
                << caso.nome << " " << corpo.formato << " " << corpo.indice;
            EXPECT_EQ(triangulos_de(lida), caso.esperados)
                << caso.nome << " " << corpo.formato << " " << corpo.indice;
        }
}

// Only -1 separates strips: any other index outside the points is refused, even in a dropped
// triangle; a count the body cannot hold is refused before any triangle is made, so nothing is
// reserved for it; the budget holds for triangles whose number no header gives.
TEST(LePly, TirasRecusadas) {
    struct Caso {
        const char* nome;
        std::vector<std::int64_t> tira;
        std::int64_t a_mais;
        const std::string& mensagem;
        std::size_t orcamento = orcamento_de_carga();
    };
    const Caso casos[] = {
        {"alem dos pontos", {0, 1, 2, PONTOS}, 0, INCONSISTENCIAS_TRIANGULOS},
        {"negativo", {0, 1, 2, -2}, 0, INCONSISTENCIAS_TRIANGULOS},
        {"alem numa juncao", {0, 1, 2, 2, PONTOS}, 0, INCONSISTENCIAS_TRIANGULOS},
        {"contagem negativa", {0, 1, 2}, -4, INCONSISTENCIAS_TRIANGULOS},
        {"contagem mentirosa", {0, 1, 2}, 2'000'000'000, INCONSISTENCIAS_TRIANGULOS},
        {"orcamento", {0, 1, 2, 3, 4}, 0, ARQUIVO_GRANDE_DEMAIS, custo_da_malha(PONTOS, 2)},
    };
    for (const Corpo& corpo : CORPOS)
        for (const Caso& caso : casos) {
            MalhaLida lida;
            lida.orcamento = caso.orcamento;
            EXPECT_EQ(le_ply(arquivo_de_tiras(corpo, {}, {caso.tira}, caso.a_mais), lida),
                      caso.mensagem)
                << caso.nome << " " << corpo.formato << " " << corpo.indice;
            EXPECT_LE(lida.triangulos.capacity(), 2u) << caso.nome << " " << corpo.formato;
        }
}

} // namespace
} // namespace quindra
