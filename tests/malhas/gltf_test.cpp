#include "malhas/gltf.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "apoio/bytes_binarios.hpp"
#include "apoio/pasta_temporaria.hpp"
#include "malhas/formatos.hpp"
#include "malhas/gltf_uri.hpp"
#include "malhas/mensagens_carga.hpp"

namespace quindra {
namespace {

using teste::BytesBinarios;
using teste::PastaTemporaria;

using Pontos = std::vector<std::array<double, 3>>;

// A pyramid on a square base; its triangles use the points in order, so merged corners keep
// the points' numbers.
const Pontos PIRAMIDE = {{0, 0, 0}, {2, 0, 0}, {2, 2, 0}, {0, 2, 0}, {1, 1, 4}};
constexpr std::uint16_t INDICES[18] = {0, 1, 2, 0, 2, 3, 0, 1, 4, 1, 2, 4, 2, 3, 4, 3, 0, 4};

// The points as floats, then the 16-bit indices: 96 bytes.
std::string buffer_piramide() {
    BytesBinarios bytes;
    for (const auto& p : PIRAMIDE)
        for (double c : p) bytes << static_cast<float>(c);
    for (std::uint16_t i : INDICES) bytes << i;
    return bytes.bytes();
}

std::string base64(std::string_view bytes) {
    constexpr std::string_view ALFABETO =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string texto;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::uint32_t grupo = 0;
        for (std::size_t k = 0; k < 3; ++k)
            grupo =
                grupo << 8 | (i + k < bytes.size() ? static_cast<std::uint8_t>(bytes[i + k]) : 0);
        for (std::size_t k = 0; k < 4; ++k)
            texto += k <= (bytes.size() - i) ? ALFABETO[grupo >> (18 - 6 * k) & 63] : '=';
    }
    return texto;
}

// A document of one buffer: uri is its member (empty in a GLB), membros the rest.
std::string documento(std::string_view uri, std::size_t tamanho, std::string_view membros) {
    return R"({"asset":{"version":"2.0"},"buffers":[{)" + std::string(uri) + R"("byteLength":)" +
           std::to_string(tamanho) + "}]," + std::string(membros) + "}";
}

std::string uri_de_dados(std::string_view bytes) {
    return R"("uri":"data:application/octet-stream;base64,)" + base64(bytes) + R"(",)";
}

const std::string MEMBROS_PIRAMIDE =
    R"("scene":0,"scenes":[{"nodes":[0]}],"nodes":[{"mesh":0}],)"
    R"("meshes":[{"primitives":[{"attributes":{"POSITION":0},"indices":1}]}],)"
    R"("bufferViews":[{"buffer":0,"byteLength":60},{"buffer":0,"byteOffset":60,"byteLength":36}],)"
    R"("accessors":[{"bufferView":0,"componentType":5126,"count":5,"type":"VEC3"},)"
    R"({"bufferView":1,"componentType":5123,"count":18,"type":"SCALAR"}])";

// A GLB file; an empty binario leaves out the binary chunk.
std::string glb(std::string json, std::string_view binario) {
    json.resize((json.size() + 3) / 4 * 4, ' ');
    const std::size_t pedaco_binario = binario.empty() ? 0 : 8 + binario.size();
    BytesBinarios bytes;
    bytes << std::string_view("glTF") << std::uint32_t{2}
          << static_cast<std::uint32_t>(12 + 8 + json.size() + pedaco_binario)
          << static_cast<std::uint32_t>(json.size()) << std::string_view("JSON") << json;
    if (!binario.empty())
        bytes << static_cast<std::uint32_t>(binario.size()) << std::string_view("BIN") << '\0'
              << binario;
    return bytes.bytes();
}

std::string troca(std::string texto, std::string_view de, std::string_view para) {
    const std::size_t onde = texto.find(de);
    EXPECT_NE(onde, std::string::npos) << de;
    return texto.replace(onde, de.size(), para);
}

// Reads bytes with no folder and installs what was read, as a load would.
std::string carrega(std::string_view bytes, Malha& malha) {
    MalhaLida lida;
    const std::string mensagem = le_gltf(bytes, lida);
    return mensagem == MENSAGEM_SUCESSO_OBJETO ? instala_malha(malha, std::move(lida)) : mensagem;
}

// The mesh's points, in their numbers' order, and its triangles of 0-based points.
void confere(const Malha& malha, const Pontos& pontos,
             const std::vector<std::array<int, 3>>& triangulos, const std::string& caso) {
    ASSERT_EQ(malha.Pontos.size(), pontos.size()) << caso;
    // a quarter turn from a quaternion leaves rounding crumbs where a zero belongs
    constexpr double TOLERANCIA = 1e-12;
    for (std::size_t i = 0; i < pontos.size(); ++i) {
        EXPECT_NEAR(malha.Pontos[i].x, pontos[i][0], TOLERANCIA) << caso << " ponto " << i;
        EXPECT_NEAR(malha.Pontos[i].y, pontos[i][1], TOLERANCIA) << caso << " ponto " << i;
        EXPECT_NEAR(malha.Pontos[i].z, pontos[i][2], TOLERANCIA) << caso << " ponto " << i;
    }
    ASSERT_EQ(malha.Triangulos.size(), triangulos.size()) << caso;
    for (std::size_t k = 0; k < triangulos.size(); ++k) {
        const Triangulo& t = malha.Triangulos[k];
        EXPECT_EQ((std::array{t.vertice1 - 1, t.vertice2 - 1, t.vertice3 - 1}), triangulos[k])
            << caso << " triangulo " << k;
    }
}

const std::vector<std::array<int, 3>> TRIANGULOS_PIRAMIDE = {{0, 1, 2}, {0, 2, 3}, {0, 1, 4},
                                                             {1, 2, 4}, {2, 3, 4}, {3, 0, 4}};

TEST(Gltf, PiramideEmCadaFormaDeGuardarOBuffer) {
    PastaTemporaria pasta;
    pasta.escreve("piramide.bin", buffer_piramide());
    pasta.escreve("com espaco.bin", buffer_piramide());
    const std::string ao_lado = documento(R"("uri":"piramide.bin",)", 96, MEMBROS_PIRAMIDE);
    struct Caso {
        std::string nome, conteudo;
    };
    const Caso casos[] = {
        {"piramide.gltf", ao_lado},
        {"escapado.gltf", documento(R"("uri":"com%20espaco.bin",)", 96, MEMBROS_PIRAMIDE)},
        {"piramide.GLB", glb(documento("", 96, MEMBROS_PIRAMIDE), buffer_piramide())},
        {"dados.gltf", documento(uri_de_dados(buffer_piramide()), 96, MEMBROS_PIRAMIDE)},
        // the content decides, not the name
        {"trocado.glb", ao_lado},
    };
    for (const Caso& caso : casos) {
        Malha malha;
        ASSERT_EQ(carrega_malha(malha, pasta.escreve(caso.nome, caso.conteudo)),
                  MENSAGEM_SUCESSO_OBJETO)
            << caso.nome;
        confere(malha, PIRAMIDE, TRIANGULOS_PIRAMIDE, caso.nome);
    }
    // with no folder to look in, only the buffers the bytes carry are read
    MalhaLida lida;
    EXPECT_EQ(le_gltf(ao_lado, lida), ARQUIVO_COM_PROBLEMAS);
}

// One triangle, drawn by a translated node, by a scaled and translated child of a node turned a
// quarter around z and lifted, and by a node given as a matrix. The child's scale applies before
// its translation, and the parent's transform after the child's.
TEST(Gltf, CadaNoDesenhaAMalhaOndeSuasTransformacoesAPoem) {
    BytesBinarios bytes;
    for (float c : {0.f, 0.f, 0.f, 1.f, 0.f, 0.f, 0.f, 1.f, 0.f}) bytes << c;
    const std::string membros =
        R"("nodes":[{"mesh":0,"translation":[10,0,0]},)"
        R"({"rotation":[0,0,0.7071067811865476,0.7071067811865476],"translation":[0,0,3],)"
        R"("children":[2]},{"mesh":0,"translation":[1,0,0],"scale":[2,2,2]},)"
        R"({"mesh":0,"matrix":[1,0,0,0, 0,1,0,0, 0,0,1,0, 0,0,5,1]}],)"
        R"("meshes":[{"primitives":[{"attributes":{"POSITION":0}}]}],)"
        R"("bufferViews":[{"buffer":0,"byteLength":36}],)"
        R"("accessors":[{"bufferView":0,"componentType":5126,"count":3,"type":"VEC3"}])";
    Malha malha;
    ASSERT_EQ(carrega(documento(uri_de_dados(bytes.bytes()), 36, membros), malha),
              MENSAGEM_SUCESSO_OBJETO);
    // no scene: every root, in order
    confere(malha,
            {{10, 0, 0},
             {11, 0, 0},
             {10, 1, 0},
             {0, 1, 3},
             {0, 3, 3},
             {-2, 1, 3},
             {0, 0, 5},
             {1, 0, 5},
             {0, 1, 5}},
            {{0, 1, 2}, {3, 4, 5}, {6, 7, 8}}, "instancias");
}

// Interleaved positions (a stride of 24), a sparse accessor moving one of them, a strip and a
// fan of 8-bit indices, and points and lines that are skipped.
TEST(Gltf, PassoEsparsosFaixaELeque) {
    BytesBinarios bytes;
    const Pontos quadrado = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}};
    for (const auto& p : quadrado) {
        for (double c : p) bytes << static_cast<float>(c);
        bytes << 9.f << 9.f << 9.f; // a normal, say, between the positions
    }
    bytes << std::uint8_t{0} << std::uint8_t{1} << std::uint8_t{2} << std::uint8_t{3}; // at 96
    bytes << std::uint8_t{3} << std::uint8_t{0} << 1.f << 1.f << 7.f;                  // at 100
    const std::string membros =
        R"("nodes":[{"mesh":0}],"meshes":[{"primitives":[)"
        R"({"attributes":{"POSITION":0},"indices":1,"mode":5},)"
        R"({"attributes":{"POSITION":2},"indices":1,"mode":6},)"
        R"({"attributes":{"POSITION":0},"mode":0},{"attributes":{"POSITION":0},"mode":1},)"
        R"({"attributes":{"NORMAL":0}}]}],)"
        R"("bufferViews":[{"buffer":0,"byteLength":96,"byteStride":24},)"
        R"({"buffer":0,"byteOffset":96,"byteLength":4},{"buffer":0,"byteOffset":100,"byteLength":1},)"
        R"({"buffer":0,"byteOffset":102,"byteLength":12}],)"
        R"("accessors":[{"bufferView":0,"componentType":5126,"count":4,"type":"VEC3"},)"
        R"({"bufferView":1,"componentType":5121,"count":4,"type":"SCALAR"},)"
        R"({"bufferView":0,"componentType":5126,"count":4,"type":"VEC3","sparse":{"count":1,)"
        R"("indices":{"bufferView":2,"componentType":5121},"values":{"bufferView":3}}}])";
    Malha malha;
    ASSERT_EQ(carrega(documento(uri_de_dados(bytes.bytes()), 114, membros), malha),
              MENSAGEM_SUCESSO_OBJETO);
    // the strip alternates its corners so that both triangles face one way; the fan turns
    // around its first corner, and its fourth point was moved to z = 7
    confere(malha, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 1, 7}},
            {{0, 1, 2}, {2, 1, 3}, {1, 2, 0}, {2, 4, 0}}, "faixa e leque");
}

// The attacks that broke the previous reader, and a deep tree that must not: each is answered
// at once, by its bytes, with no recursion and nothing allocated for what the bytes lack.
TEST(Gltf, ArquivosHostisTemRespostaRapida) {
    Malha malha;
    EXPECT_EQ(carrega(std::string(400'000, '['), malha), ARQUIVO_COM_PROBLEMAS);

    // 20,000 nodes, each the only child of the one before and one unit above it
    constexpr int PROFUNDIDADE = 20'000;
    std::string nos = R"("nodes":[)";
    for (int n = 0; n + 1 < PROFUNDIDADE; ++n)
        nos += R"({"translation":[0,0,1],"children":[)" + std::to_string(n + 1) + "]},";
    nos += R"({"mesh":0}],)";
    BytesBinarios triangulo;
    for (float c : {0.f, 0.f, 0.f, 1.f, 0.f, 0.f, 0.f, 1.f, 0.f}) triangulo << c;
    const std::string malha_triangulo =
        R"("meshes":[{"primitives":[{"attributes":{"POSITION":0}}]}],)"
        R"("bufferViews":[{"buffer":0,"byteLength":36}],)"
        R"("accessors":[{"bufferView":0,"componentType":5126,"count":3,"type":"VEC3"}])";
    ASSERT_EQ(carrega(documento(uri_de_dados(triangulo.bytes()), 36, nos + malha_triangulo), malha),
              MENSAGEM_SUCESSO_OBJETO);
    confere(malha, {{0, 0, PROFUNDIDADE - 1}, {1, 0, PROFUNDIDADE - 1}, {0, 1, PROFUNDIDADE - 1}},
            {{0, 1, 2}}, "profunda");

    // sparse entries over a 6-byte view: more than the accessor has, or more than the view holds
    for (const char* esparsos : {"1000", "5"}) {
        const std::string esparso =
            troca(troca(MEMBROS_PIRAMIDE, R"("type":"VEC3"})",
                        R"("type":"VEC3","sparse":{"count":)" + std::string(esparsos) +
                            R"(,"indices":{"bufferView":2,"componentType":5123},)"
                            R"("values":{"bufferView":2}}})"),
                  R"("byteLength":36}])", R"("byteLength":36},{"buffer":0,"byteLength":6}])");
        EXPECT_EQ(carrega(documento(uri_de_dados(buffer_piramide()), 96, esparso), malha),
                  ARQUIVO_COM_PROBLEMAS)
            << esparsos;
    }

    // a JSON chunk that claims 0xFFFFFFF0 bytes of a 600-byte file
    std::string enorme = glb(documento("", 96, MEMBROS_PIRAMIDE), buffer_piramide());
    enorme.replace(12, 4, (BytesBinarios() << std::uint32_t{0xFFFFFFF0}).bytes());
    EXPECT_EQ(carrega(enorme, malha), ARQUIVO_COM_PROBLEMAS);
    confere(malha, {{0, 0, PROFUNDIDADE - 1}, {1, 0, PROFUNDIDADE - 1}, {0, 1, PROFUNDIDADE - 1}},
            {{0, 1, 2}}, "intocada");
}

TEST(Gltf, ArquivoMalformadoEhRecusado) {
    const std::string dados = uri_de_dados(buffer_piramide());
    const auto piramide = [&](std::string_view de, std::string_view para) {
        return documento(dados, 96, troca(MEMBROS_PIRAMIDE, de, para));
    };
    BytesBinarios nan;
    for (float c :
         {0.f, 0.f, 0.f, 1.f, 0.f, 0.f, 0.f, std::numeric_limits<float>::quiet_NaN(), 0.f})
        nan << c;
    const std::string glb_piramide = glb(documento("", 96, MEMBROS_PIRAMIDE), buffer_piramide());
    struct Caso {
        std::string nome, bytes;
        const std::string& mensagem;
    };
    const Caso casos[] = {
        {"vazio", "", ARQUIVO_COM_PROBLEMAS},
        {"nao json", "glTF nada", ARQUIVO_COM_PROBLEMAS},
        {"versao 1", troca(piramide("", ""), R"("2.0")", R"("1.0")"), FORMATO_NAO_SUPORTADO},
        {"extensao exigida", piramide(R"("scene":0,)", R"("extensionsRequired":["KHR_x"],)"),
         FORMATO_NAO_SUPORTADO},
        {"buffer curto", documento(dados, 97, MEMBROS_PIRAMIDE), ARQUIVO_COM_PROBLEMAS},
        {"base64 ruim", documento(R"("uri":"data:;base64,A===",)", 0, MEMBROS_PIRAMIDE),
         ARQUIVO_COM_PROBLEMAS},
        {"uri absoluta", documento(R"("uri":"/etc/hostname",)", 1, MEMBROS_PIRAMIDE),
         ARQUIVO_COM_PROBLEMAS},
        {"vista fora", piramide(R"("byteOffset":60,)", R"("byteOffset":61,)"),
         ARQUIVO_COM_PROBLEMAS},
        {"acessor fora", piramide(R"("count":18)", R"("count":19)"), ARQUIVO_COM_PROBLEMAS},
        {"passo curto", piramide(R"("byteLength":60})", R"("byteLength":60,"byteStride":8})"),
         ARQUIVO_COM_PROBLEMAS},
        {"tipo", piramide(R"(5126)", R"(5123)"), ARQUIVO_COM_PROBLEMAS},
        {"contagem negativa", piramide(R"("count":5)", R"("count":-5)"), ARQUIVO_COM_PROBLEMAS},
        // zeros: one point, no face
        {"sem vista", piramide(R"("bufferView":0,)", ""), OBJETO_SEM_FACES},
        {"zeros demais",
         piramide(R"("bufferView":0,"componentType":5126,"count":5)",
                  R"("componentType":5126,"count":5000000000)"),
         ARQUIVO_COM_PROBLEMAS},
        {"indice alem", piramide(R"("count":5,)", R"("count":4,)"), INCONSISTENCIAS_TRIANGULOS},
        {"no alem", piramide(R"("nodes":[0])", R"("nodes":[1])"), ARQUIVO_COM_PROBLEMAS},
        {"malha alem", piramide(R"("mesh":0)", R"("mesh":1)"), ARQUIVO_COM_PROBLEMAS},
        {"ciclo", piramide(R"({"mesh":0})", R"({"mesh":0,"children":[0]})"), ARQUIVO_COM_PROBLEMAS},
        {"ciclo sem cena",
         piramide(R"("scene":0,"scenes":[{"nodes":[0]}],"nodes":[{"mesh":0}])",
                  R"("nodes":[{"mesh":0},{"children":[2]},{"children":[1]}])"),
         ARQUIVO_COM_PROBLEMAS},
        {"dois pais",
         piramide(R"("nodes":[{"mesh":0}])",
                  R"("nodes":[{"children":[2]},{"children":[2]},{"mesh":0}])"),
         ARQUIVO_COM_PROBLEMAS},
        {"modo", piramide(R"("indices":1)", R"("indices":1,"mode":7)"), ARQUIVO_COM_PROBLEMAS},
        {"so pontos", piramide(R"("indices":1)", R"("indices":1,"mode":0)"), OBJETO_SEM_FACES},
        {"nao finito",
         documento(
             uri_de_dados(nan.bytes()), 36,
             R"("nodes":[{"mesh":0}],"meshes":[{"primitives":[{"attributes":{"POSITION":0}}]}],)"
             R"("bufferViews":[{"buffer":0,"byteLength":36}],)"
             R"("accessors":[{"bufferView":0,"componentType":5126,"count":3,"type":"VEC3"}])"),
         INCONSISTENCIAS_PONTOS},
        {"escala infinita", piramide(R"({"mesh":0})", R"({"mesh":0,"scale":[1e308,1e308,1e308]})"),
         INCONSISTENCIAS_PONTOS},
        {"raiz com pai", piramide(R"({"mesh":0})", R"({"mesh":0},{"children":[0]})"),
         ARQUIVO_COM_PROBLEMAS},
        {"glb cortado", glb_piramide.substr(0, glb_piramide.size() - 1), ARQUIVO_COM_PROBLEMAS},
        {"glb sem binario", glb(documento("", 96, MEMBROS_PIRAMIDE), ""), ARQUIVO_COM_PROBLEMAS},
    };
    for (const Caso& caso : casos) {
        Malha malha;
        EXPECT_EQ(carrega(caso.bytes, malha), caso.mensagem) << caso.nome;
    }
}

TEST(Gltf, ArquivoAoLadoSoSeRegularEPresente) {
    PastaTemporaria pasta;
    std::filesystem::create_directory(pasta.caminho() / "pasta.bin");
    ASSERT_EQ(mkfifo((pasta.caminho() / "fila.bin").c_str(), 0600), 0);
    Malha malha;
    for (const char* uri : {"falta.bin", "pasta.bin", "fila.bin"})
        EXPECT_EQ(
            carrega_malha(malha,
                          pasta.escreve("p.gltf", documento(R"("uri":")" + std::string(uri) + "\",",
                                                            96, MEMBROS_PIRAMIDE))),
            ARQUIVO_COM_PROBLEMAS)
            << uri;
    EXPECT_EQ(carrega_malha(malha, pasta.caminho() / "falta.glb"), ERRO_ABERTURA_ARQUIVO);
}

TEST(GltfUri, Base64EPercentuais) {
    const auto dados = [](std::string_view uri) {
        const auto bytes = gltf::decodifica_dados(uri);
        return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("(nada)");
    };
    EXPECT_EQ(dados("data:application/gltf-buffer;base64,UXVpbmRyYQ=="), "Quindra");
    EXPECT_EQ(dados("data:;base64,UXVpbmRyYQ"), "Quindra");
    EXPECT_EQ(dados("data:;base64,"), "");
    EXPECT_EQ(dados("data:;base64,UXVpb"), "(nada)"); // a lone character is no byte
    EXPECT_EQ(dados("data:;base64,UX*i"), "(nada)");
    EXPECT_EQ(dados("data:text/plain,Quindra"), "(nada)");
    EXPECT_EQ(dados("Quindra.bin"), "(nada)");

    const auto caminho = [](std::string_view uri) {
        return gltf::caminho_relativo(uri).value_or("(nada)");
    };
    EXPECT_EQ(caminho("sub/a%20b.bin"), "sub/a b.bin");
    EXPECT_EQ(caminho("a:b/c.bin"), "(nada)");    // a scheme
    EXPECT_EQ(caminho("a/b:c.bin"), "a/b:c.bin"); // a colon after a slash is part of a name
    EXPECT_EQ(caminho("%2Fetc/passwd"), "(nada)");
    EXPECT_EQ(caminho("a%00b"), "(nada)");
    EXPECT_EQ(caminho("a%4"), "(nada)");
    EXPECT_EQ(caminho(""), "(nada)");
}

} // namespace
} // namespace quindra
