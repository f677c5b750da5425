#include "malhas/gltf.hpp"

#include <algorithm>
#include <cmath>
#include <optional>

#include "malhas/gltf_acessores.hpp"
#include "malhas/gltf_buffers.hpp"
#include "malhas/gltf_glb.hpp"
#include "malhas/gltf_json.hpp"
#include "malhas/gltf_nos.hpp"
#include "malhas/mensagens_carga.hpp"
#include "malhas/pontos_unicos.hpp"

namespace quindra {

namespace {

using namespace gltf;

// Deeper JSON than any glTF document needs is malformed, not a reason to recurse.
constexpr std::size_t PROFUNDIDADE_MAXIMA = 64;
// simdjson's tape and copies take about 16 bytes per byte of JSON.
constexpr std::size_t LIMITE_JSON = std::size_t{1} << 27;

constexpr std::uint64_t TRIANGULOS = 4, LEQUE = 6; // and 5, a strip
constexpr std::uint64_t BYTES_POR_PONTO = 12;      // three floats

// A primitive that makes triangles, checked once for every node that draws its mesh.
struct Primitiva {
    std::uint64_t modo;
    const Acessor* posicoes;
    const Acessor* indices; // null: the positions in order

    std::uint64_t cantos() const { return indices ? indices->quantos() : posicoes->quantos(); }
    std::uint64_t triangulos() const {
        if (modo == TRIANGULOS) return cantos() / 3;
        return cantos() >= 3 ? cantos() - 2 : 0;
    }
    // The corners of triangle t, in the order that keeps every triangle facing one way.
    std::array<std::uint64_t, 3> triangulo(std::uint64_t t) const {
        if (modo == TRIANGULOS) return {3 * t, 3 * t + 1, 3 * t + 2};
        if (modo == LEQUE) return {t + 1, t + 2, 0};
        return t % 2 == 0 ? std::array{t, t + 1, t + 2} : std::array{t + 1, t, t + 2};
    }
};

// The mesh's primitives that make triangles; points and lines are no surface and are skipped,
// and so is a primitive without positions.
std::vector<Primitiva> primitivas(const Documento& documento, Acessores& acessores,
                                  std::size_t malha) {
    std::vector<Primitiva> lista;
    for (dom::element item : dom::array(documento.malhas[malha]["primitives"])) {
        const dom::object primitiva(item);
        const std::uint64_t modo = natural(primitiva, "mode", TRIANGULOS);
        if (modo > LEQUE) recusa(ARQUIVO_COM_PROBLEMAS);
        const auto posicoes = membro(primitiva["attributes"], "POSITION");
        if (modo < TRIANGULOS || !posicoes) continue;
        const auto indices = membro(primitiva, "indices");
        const Primitiva p{modo, &acessores.pega(*posicoes, Uso::posicoes),
                          indices ? &acessores.pega(*indices, Uso::indices) : nullptr};
        if (p.triangulos() > 0) lista.push_back(p);
    }
    return lista;
}

// Appends the primitive's triangles as the node's transform places them.
void desenha(const Primitiva& p, const Matriz& mundo, PontosUnicos& unicos, MalhaLida& lida) {
    const auto numero = [&](std::uint64_t canto) {
        const std::uint64_t vertice = p.indices ? p.indices->indice(canto) : canto;
        if (vertice >= p.posicoes->quantos()) recusa(INCONSISTENCIAS_TRIANGULOS);
        const auto [x, y, z] = transforma(mundo, p.posicoes->posicao(vertice));
        if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z))
            recusa(INCONSISTENCIAS_PONTOS);
        const std::int32_t n = unicos.numero(x, y, z);
        if (n == 0) recusa(ARQUIVO_GRANDE_DEMAIS);
        return n;
    };
    for (std::uint64_t t = 0; t < p.triangulos(); ++t) {
        const auto [a, b, c] = p.triangulo(t);
        const std::int32_t na = numero(a), nb = numero(b), nc = numero(c);
        if (!lida.acrescenta_triangulo(na, nb, nc)) recusa(ARQUIVO_GRANDE_DEMAIS);
    }
}

void le_documento(dom::element raiz, std::optional<std::string_view> binario,
                  const std::filesystem::path* pasta, MalhaLida& lida) {
    const Documento documento(raiz);
    const std::string_view versao = documento.raiz["asset"]["version"];
    if (!versao.starts_with("2.")) recusa(FORMATO_NAO_SUPORTADO);
    // an extension the file needs read (compressed or quantized meshes) is one we lack
    if (const auto exigidas = membro(documento.raiz, "extensionsRequired");
        exigidas && dom::array(*exigidas).size() > 0)
        recusa(FORMATO_NAO_SUPORTADO);
    const Buffers buffers(documento.buffers, binario, pasta);
    const std::vector<Instancia> lista = instancias(documento);

    // each mesh drawn is checked once, before any point is numbered
    Acessores acessores(documento, buffers);
    std::vector<std::optional<std::vector<Primitiva>>> malhas(documento.malhas.size());
    std::uint64_t previstos = 0;
    for (const Instancia& instancia : lista) {
        auto& prontas = malhas[instancia.malha];
        if (prontas) continue;
        prontas = primitivas(documento, acessores, instancia.malha);
        for (const Primitiva& p : *prontas) previstos += p.posicoes->quantos();
    }
    // accessors may share their bytes: the guess stays within what the buffers could hold
    previstos = std::min(previstos, buffers.total() / BYTES_POR_PONTO);
    PontosUnicos unicos(lida, static_cast<std::size_t>(previstos));
    for (const Instancia& instancia : lista)
        for (const Primitiva& p : *malhas[instancia.malha])
            desenha(p, instancia.mundo, unicos, lida);
}

std::string le(std::string_view bytes, const std::filesystem::path* pasta, MalhaLida& lida) {
    try {
        const PartesGlb partes = eh_glb(bytes) ? separa_glb(bytes) : PartesGlb{bytes, {}};
        if (partes.json.size() > LIMITE_JSON) return ARQUIVO_GRANDE_DEMAIS;
        dom::parser parser;
        if (parser.allocate(partes.json.size(), PROFUNDIDADE_MAXIMA) != simdjson::SUCCESS)
            return ARQUIVO_GRANDE_DEMAIS;
        le_documento(parser.parse(partes.json.data(), partes.json.size()), partes.binario, pasta,
                     lida);
        return MENSAGEM_SUCESSO_OBJETO;
    } catch (const Recusa& recusada) {
        return *recusada.mensagem;
    } catch (const simdjson::simdjson_error& erro) {
        return erro.error() == simdjson::MEMALLOC ? ARQUIVO_GRANDE_DEMAIS : ARQUIVO_COM_PROBLEMAS;
    }
}

} // namespace

std::string le_gltf(std::string_view bytes, MalhaLida& lida) { return le(bytes, nullptr, lida); }

std::string le_gltf(std::string_view bytes, const std::filesystem::path& pasta, MalhaLida& lida) {
    return le(bytes, &pasta, lida);
}

} // namespace quindra
