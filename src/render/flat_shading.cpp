#include "render/flat_shading.hpp"

#include <algorithm>
#include <array>
#include <optional>

#include "geometry/arredondamento.hpp"
#include "render/iluminacao.hpp"
#include "render/lista_em_lotes.hpp"

namespace quindra {

namespace {

std::uint8_t canal_arredondado(double valor) {
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(arredonda(valor), 0, 255));
}

} // namespace

CorPixel cor_plana(const Vetor& normal, std::span<const Ponto* const> vertices,
                   const Material& material, const Cena& cena) {
    double x = 0, y = 0, z = 0;
    for (const Ponto* v : vertices) x += v->xv, y += v->yv, z += v->zv;
    const auto quantos = static_cast<double>(vertices.size());
    Ponto centro;
    centro.atribui_vista(x / quantos, y / quantos, z / quantos);
    const Cor cor = ilumina(centro, normal, material, cena);
    return {canal_arredondado(cor.r), canal_arredondado(cor.g), canal_arredondado(cor.b)};
}

namespace {

// Each polygon in the colour the model gives at its centre, far to near.
struct Flat {
    using Item = PoligonoTela;
    const Desenho& d;

    // The material of a triangle: in tetrahedron mode its group's table colour as both diffuse
    // colours, or none when the group is disabled; a triangle beyond the table's 80 entries
    // keeps the material's own colours.
    std::optional<Material> superficie(std::uint32_t triangulo) const {
        const ModoTetraedro& modo = d.modo;
        if (!modo.ligado || !modo.tabela) return d.material;
        const EntradaTetraedro* entrada =
            entrada_tetraedro(*modo.tabela, d.malha.Triangulos[triangulo].tetraedro);
        if (!entrada) return d.material;
        if (!entrada->habilitado) return std::nullopt;
        Material do_tetraedro = d.material;
        do_tetraedro.Od1 = do_tetraedro.Od2 = entrada->cor;
        return do_tetraedro;
    }
    std::optional<CorPixel> cor(const TrianguloDaLista& t,
                                std::span<const Ponto* const> vertices) const {
        const auto material = superficie(t.indice);
        if (!material) return std::nullopt;
        return cor_plana(d.vista.normal[t.lugar], vertices, *material, d.vista.cena);
    }
    void inteiro(const TrianguloDaLista& t, const VerticesTela& tela,
                 PartesTriangulo<Item>& partes) const {
        const auto& p = d.vista.Pontos;
        const std::array<const Ponto*, 3> vertices{&p[t.vertices[0]], &p[t.vertices[1]],
                                                   &p[t.vertices[2]]};
        if (const auto k = cor(t, vertices)) partes.adiciona(poligono_inteiro(tela, *k, *k));
    }
    void cortado(const TrianguloDaLista& t, const CorteTriangulo& corte,
                 PartesTriangulo<Item>& partes) const {
        const PoligonoVisivel poligono = poligono_visivel(corte);
        std::array<const Ponto*, 4> vertices{};
        for (std::size_t i = 0; i < static_cast<std::size_t>(poligono.quantos); ++i)
            vertices[i] = &poligono.vertices[i];
        if (const auto k = cor(t, std::span(vertices).first(poligono.pontos().size())))
            partes.adiciona(projeta_poligono(d.camera, poligono, *k, *k));
    }
    void preenche(const Item& item, const FaixaLinhas& faixa) const { item.pinta(d.tela, faixa); }
};

} // namespace

void desenha_flat(const Desenho& d) {
    Flat flat{d};
    // Each polygon is outlined in its own colour; the pen and the brush keep the last one's.
    if (const auto ultimo = percorre_em_lotes(d, Sentido::DoUltimo, flat)) {
        d.tela.define_caneta(ultimo->caneta);
        d.tela.define_pincel(ultimo->pincel);
    }
}

} // namespace quindra
