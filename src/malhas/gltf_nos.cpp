#include "malhas/gltf_nos.hpp"

#include <algorithm>

#include "malhas/mensagens_carga.hpp"

namespace quindra::gltf {

namespace {

constexpr Matriz IDENTIDADE = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

Matriz produto(const Matriz& a, const Matriz& b) {
    Matriz c{};
    for (int coluna = 0; coluna < 4; ++coluna)
        for (int linha = 0; linha < 4; ++linha)
            for (int k = 0; k < 4; ++k)
                c[coluna * 4 + linha] += a[k * 4 + linha] * b[coluna * 4 + k];
    return c;
}

std::vector<double> numeros_ou(dom::object no, std::string_view chave, std::vector<double> padrao) {
    const auto valor = membro(no, chave);
    return valor ? numeros(*valor, padrao.size()) : padrao;
}

// The node's own transform: its matrix, or translation * rotation * scale.
Matriz local(dom::object no) {
    if (const auto matriz = membro(no, "matrix")) {
        const std::vector<double> m = numeros(*matriz, 16);
        Matriz resultado;
        std::ranges::copy(m, resultado.begin());
        return resultado;
    }
    const auto t = numeros_ou(no, "translation", {0, 0, 0});
    const auto r = numeros_ou(no, "rotation", {0, 0, 0, 1}); // a unit quaternion x, y, z, w
    const auto s = numeros_ou(no, "scale", {1, 1, 1});
    const double x = r[0], y = r[1], z = r[2], w = r[3];
    // the rotation's columns, each stretched by its scale factor
    return {(1 - 2 * (y * y + z * z)) * s[0],
            2 * (x * y + z * w) * s[0],
            2 * (x * z - y * w) * s[0],
            0,
            2 * (x * y - z * w) * s[1],
            (1 - 2 * (x * x + z * z)) * s[1],
            2 * (y * z + x * w) * s[1],
            0,
            2 * (x * z + y * w) * s[2],
            2 * (y * z - x * w) * s[2],
            (1 - 2 * (x * x + y * y)) * s[2],
            0,
            t[0],
            t[1],
            t[2],
            1};
}

std::vector<std::size_t> indices(dom::object objeto, std::string_view chave, std::size_t tamanho) {
    std::vector<std::size_t> lista;
    if (const auto valor = membro(objeto, chave))
        for (dom::element item : dom::array(*valor)) lista.push_back(indice(item, tamanho));
    return lista;
}

// For each node, whether another names it as a child; a node named twice is refused.
std::vector<char> com_pai(const Documento& documento) {
    std::vector<char> filho(documento.nos.size(), 0);
    for (dom::object no : documento.nos)
        for (std::size_t f : indices(no, "children", documento.nos.size())) {
            if (filho[f]) recusa(ARQUIVO_COM_PROBLEMAS);
            filho[f] = 1;
        }
    return filho;
}

// The nodes the walk starts from: the scene's, which must be roots, or every root.
std::vector<std::size_t> raizes(const Documento& documento) {
    const std::vector<char> filho = com_pai(documento);
    std::vector<std::size_t> lista;
    if (documento.cenas.empty()) {
        for (std::size_t n = 0; n < filho.size(); ++n)
            if (!filho[n]) lista.push_back(n);
        return lista;
    }
    const std::size_t cena = membro(documento.raiz, "scene")
                                 ? indice(documento.raiz, "scene", documento.cenas.size())
                                 : 0;
    lista = indices(documento.cenas[cena], "nodes", filho.size());
    if (std::ranges::any_of(lista, [&filho](std::size_t n) { return filho[n] != 0; }))
        recusa(ARQUIVO_COM_PROBLEMAS);
    return lista;
}

struct Visita {
    std::size_t no;
    Matriz pai;
};

// Pushes the nodes in reverse, so that they come off the stack in the file's order.
void empilha(std::vector<Visita>& pilha, const std::vector<std::size_t>& nos, const Matriz& pai) {
    for (auto no = nos.rbegin(); no != nos.rend(); ++no) pilha.push_back({*no, pai});
}

} // namespace

std::array<double, 3> transforma(const Matriz& m, const std::array<double, 3>& p) {
    return {m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12],
            m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13],
            m[2] * p[0] + m[6] * p[1] + m[10] * p[2] + m[14]};
}

std::vector<Instancia> instancias(const Documento& documento) {
    const std::size_t total = documento.nos.size();
    std::vector<Instancia> lista;
    std::vector<char> visitado(total, 0);
    std::vector<Visita> pilha;
    empilha(pilha, raizes(documento), IDENTIDADE);
    while (!pilha.empty()) {
        const Visita visita = pilha.back();
        pilha.pop_back();
        if (visitado[visita.no]) recusa(ARQUIVO_COM_PROBLEMAS);
        visitado[visita.no] = 1;
        const dom::object no = documento.nos[visita.no];
        const Matriz mundo = produto(visita.pai, local(no));
        if (membro(no, "mesh"))
            lista.push_back({indice(no, "mesh", documento.malhas.size()), mundo});
        empilha(pilha, indices(no, "children", total), mundo);
    }
    // without a scene every node hangs from a root; one never reached lies on a cycle
    if (documento.cenas.empty() && std::ranges::find(visitado, 0) != visitado.end())
        recusa(ARQUIVO_COM_PROBLEMAS);
    return lista;
}

} // namespace quindra::gltf
