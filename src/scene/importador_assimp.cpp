#include "scene/importador_assimp.hpp"

#include <algorithm>
#include <assimp/DefaultIOSystem.h>
#include <assimp/Importer.hpp>
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <cmath>
#include <vector>

#include "scene/arquivo_em_memoria.hpp"
#include "scene/mensagens_carga.hpp"
#include "scene/pontos_unicos.hpp"

namespace quindra {

namespace {

constexpr std::string_view EXTENSOES[] = {".gltf", ".glb"};

// Assimp opens the file and the buffers it names through this: no file larger than ours, and
// nothing but regular files.
class ArquivosLimitados : public Assimp::DefaultIOSystem {
public:
    bool Exists(const char* caminho) const override {
        std::uintmax_t tamanho;
        return recusa_arquivo(caminho, LIMITE_ARQUIVO, tamanho) == nullptr;
    }
    Assimp::IOStream* Open(const char* caminho, const char* modo) override {
        return Exists(caminho) ? DefaultIOSystem::Open(caminho, modo) : nullptr;
    }
};

std::size_t vertices_na_cena(const aiScene& cena) {
    std::size_t total = 0;
    for (unsigned m = 0; m < cena.mNumMeshes; ++m) total += cena.mMeshes[m]->mNumVertices;
    return total;
}

// Appends one mesh's triangles, numbering its corners through the shared points.
const std::string* acrescenta_malha(const aiMesh& malha, PontosUnicos& unicos, MalhaLida& lida) {
    std::vector<std::int32_t> numeros(malha.mNumVertices);
    for (unsigned v = 0; v < malha.mNumVertices; ++v) {
        const aiVector3D& p = malha.mVertices[v];
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z))
            return &INCONSISTENCIAS_PONTOS;
        numeros[v] = unicos.numero(p.x, p.y, p.z);
        if (numeros[v] == 0) return &ARQUIVO_GRANDE_DEMAIS;
    }
    for (unsigned f = 0; f < malha.mNumFaces; ++f) {
        const aiFace& face = malha.mFaces[f];
        // points and lines are not surfaces; after triangulation every other face has three
        if (face.mNumIndices != 3) continue;
        if (lida.triangulos.size() == LIMITE_ELEMENTOS) return &ARQUIVO_GRANDE_DEMAIS;
        lida.triangulos.emplace_back(numeros[face.mIndices[0]], numeros[face.mIndices[1]],
                                     numeros[face.mIndices[2]]);
    }
    return nullptr;
}

} // namespace

bool importa_com_assimp(std::string_view extensao) {
    return std::ranges::find(EXTENSOES, extensao) != std::end(EXTENSOES);
}

std::string le_com_assimp(const std::filesystem::path& arquivo, MalhaLida& lida) {
    std::uintmax_t tamanho;
    if (const std::string* recusa = recusa_arquivo(arquivo, LIMITE_ARQUIVO, tamanho))
        return *recusa;
    Assimp::Importer importador;
    importador.SetIOHandler(new ArquivosLimitados); // the importer owns it
    importador.SetPropertyInteger(AI_CONFIG_PP_SBP_REMOVE,
                                  aiPrimitiveType_POINT | aiPrimitiveType_LINE);
    const aiScene* cena = importador.ReadFile(
        arquivo.string(), aiProcess_Triangulate | aiProcess_PreTransformVertices |
                              aiProcess_SortByPType | aiProcess_ValidateDataStructure);
    if (cena == nullptr) return ARQUIVO_COM_PROBLEMAS;

    PontosUnicos unicos(lida, vertices_na_cena(*cena));
    for (unsigned m = 0; m < cena->mNumMeshes; ++m)
        if (const std::string* falha = acrescenta_malha(*cena->mMeshes[m], unicos, lida))
            return *falha;
    return MENSAGEM_SUCESSO_OBJETO;
}

} // namespace quindra
