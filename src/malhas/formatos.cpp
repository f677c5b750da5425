#include "malhas/formatos.hpp"

#include <algorithm>
#include <new>

#include "malhas/arquivo_em_memoria.hpp"
#include "malhas/gltf.hpp"
#include "malhas/obj.hpp"
#include "malhas/objeto.hpp"
#include "malhas/off.hpp"
#include "malhas/ply.hpp"
#include "malhas/stl.hpp"

namespace quindra {

namespace {

// One of the two readers: a format whose files name others needs the file's folder.
struct Formato {
    std::string_view extensao;
    LeitorDeMalha leitor;
    LeitorComPasta leitor_com_pasta = nullptr;
};
constexpr Formato FORMATOS[] = {
    {".stl", le_stl},
    {".ply", le_ply},
    {".off", le_off},
    {".obj", le_obj},
    {".gltf", nullptr, le_gltf},
    {".glb", nullptr, le_gltf},
};

std::string extensao_minuscula(const std::filesystem::path& arquivo) {
    std::string extensao = arquivo.extension().string();
    std::ranges::transform(extensao, extensao.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return extensao;
}

// The format of our own readers the file's extension names, compared without case, or null.
const Formato* formato_da_extensao(const std::filesystem::path& arquivo) {
    const std::string extensao = extensao_minuscula(arquivo);
    const auto formato = std::ranges::find(FORMATOS, extensao, &Formato::extensao);
    return formato == std::end(FORMATOS) ? nullptr : formato;
}

// Reads the file whole and parses it with the format's reader.
std::string le_com(const Formato& formato, const std::filesystem::path& arquivo, MalhaLida& lida) {
    const ArquivoEmMemoria conteudo(arquivo);
    if (conteudo.mensagem() != MENSAGEM_SUCESSO_OBJETO) return conteudo.mensagem();
    if (formato.leitor_com_pasta)
        return formato.leitor_com_pasta(conteudo.bytes(), arquivo.parent_path(), lida);
    return formato.leitor(conteudo.bytes(), lida);
}

// What a reader read replaces the mesh, unless the reader failed.
std::string instala_se_lida(Malha& malha, const std::string& mensagem, MalhaLida&& lida) {
    return mensagem == MENSAGEM_SUCESSO_OBJETO ? instala_malha(malha, std::move(lida)) : mensagem;
}

} // namespace

std::string carrega_malha(Malha& malha, const std::filesystem::path& arquivo) {
    // Memory that runs out while reading leaves the loaded mesh as it was, like any failure.
    try {
        MalhaLida lida;
        if (const Formato* formato = formato_da_extensao(arquivo))
            return instala_se_lida(malha, le_com(*formato, arquivo, lida), std::move(lida));
        return carrega_objeto(malha, arquivo);
    } catch (const std::bad_alloc&) {
        return ARQUIVO_GRANDE_DEMAIS;
    }
}

} // namespace quindra
