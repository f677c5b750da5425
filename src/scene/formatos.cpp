#include "scene/formatos.hpp"

#include <algorithm>
#include <new>

#include "scene/arquivo_em_memoria.hpp"
#include "scene/obj.hpp"
#include "scene/objeto.hpp"
#include "scene/off.hpp"
#include "scene/ply.hpp"
#include "scene/stl.hpp"
#if QUINDRA_ASSIMP
#include "scene/importador_assimp.hpp"
#endif

namespace quindra {

namespace {

struct Formato {
    std::string_view extensao;
    LeitorDeMalha leitor;
};
constexpr Formato FORMATOS[] = {
    {".stl", le_stl},
    {".ply", le_ply},
    {".off", le_off},
    {".obj", le_obj},
};

std::string extensao_minuscula(const std::filesystem::path& arquivo) {
    std::string extensao = arquivo.extension().string();
    std::ranges::transform(extensao, extensao.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return extensao;
}

// Reads the file whole and parses it with the reader.
std::string le_com(LeitorDeMalha leitor, const std::filesystem::path& arquivo, MalhaLida& lida) {
    const ArquivoEmMemoria conteudo(arquivo);
    if (conteudo.mensagem() != MENSAGEM_SUCESSO_OBJETO) return conteudo.mensagem();
    return leitor(conteudo.bytes(), lida);
}

// What a reader read replaces the mesh, unless the reader failed.
std::string instala_se_lida(Malha& malha, const std::string& mensagem, MalhaLida&& lida) {
    return mensagem == MENSAGEM_SUCESSO_OBJETO ? instala_malha(malha, std::move(lida)) : mensagem;
}

} // namespace

LeitorDeMalha leitor_da_extensao(const std::filesystem::path& arquivo) {
    const std::string extensao = extensao_minuscula(arquivo);
    const auto formato = std::ranges::find(FORMATOS, extensao, &Formato::extensao);
    return formato == std::end(FORMATOS) ? nullptr : formato->leitor;
}

std::string carrega_malha(Malha& malha, const std::filesystem::path& arquivo) {
    // Memory that runs out while reading leaves the loaded mesh as it was, like any failure.
    try {
        MalhaLida lida;
        if (const LeitorDeMalha leitor = leitor_da_extensao(arquivo))
            return instala_se_lida(malha, le_com(leitor, arquivo, lida), std::move(lida));
#if QUINDRA_ASSIMP
        if (importa_com_assimp(extensao_minuscula(arquivo)))
            return instala_se_lida(malha, le_com_assimp(arquivo, lida), std::move(lida));
#endif
        return carrega_objeto(malha, arquivo);
    } catch (const std::bad_alloc&) {
        return ARQUIVO_GRANDE_DEMAIS;
    }
}

} // namespace quindra
