// The object loader on arbitrary bytes: it installs a whole, consistent mesh, or answers with
// one of its messages and leaves the mesh it had untouched.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "exige.hpp"
#include "malhas/objeto.hpp"

using namespace quindra;
using fuzz::exige;

namespace {

// The mesh every input starts from: one triangle.
Malha malha_anterior() {
    Malha malha;
    malha.Pontos = {Ponto(0, 0, 0), Ponto(1, 0, 0), Ponto(0, 1, 0)};
    malha.Triangulos = {Triangulo(1, 2, 3)};
    return malha;
}

bool eh_mensagem_de_falha(const std::string& mensagem) {
    for (const std::string* falha :
         {&ERRO_ABERTURA_ARQUIVO, &ARQUIVO_COM_PROBLEMAS, &OBJETO_SEM_FACES,
          &INCONSISTENCIAS_PONTOS, &INCONSISTENCIAS_TRIANGULOS, &ARQUIVO_GRANDE_DEMAIS})
        if (mensagem == *falha) return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string_view bytes(reinterpret_cast<const char*>(dados), tamanho);
    Malha malha = malha_anterior();
    LeitorTexto leitor = LeitorTexto::em_memoria(bytes);
    const std::string mensagem = carrega_objeto(malha, leitor);

    if (mensagem != MENSAGEM_SUCESSO_OBJETO) {
        exige(eh_mensagem_de_falha(mensagem),
              "a failure answers with one of the loader's messages");
        exige(malha.NumPontos() == 3 && malha.NumTriangulos() == 1 &&
                  malha.Triangulos[0].vertice3 == 3 && !malha.CentroObjeto,
              "a failed load leaves the mesh as it was");
        return 0;
    }
    exige(malha.NumPontos() >= 3 && malha.NumTriangulos() >= 1, "a loaded mesh has faces");
    // Every point takes at least one character of the file: a count cannot inflate the mesh.
    exige(static_cast<std::size_t>(malha.NumPontos()) <= tamanho, "no more points than bytes");
    for (std::int32_t k = 0; k < malha.NumTriangulos(); ++k) {
        const Triangulo& t = malha.Triangulos[static_cast<std::size_t>(k)];
        for (std::int32_t v : {t.vertice1, t.vertice2, t.vertice3})
            exige(v >= 1 && v <= malha.NumPontos(), "every vertex names a point");
        exige(t.tetraedro == k / 4 + 1, "four consecutive triangles make one tetrahedron");
    }
    exige(malha.CentroObjeto.has_value(), "a loaded mesh has its centre");
    return 0;
}
