#include "view/textura.hpp"

#include <cstdint>

#include "geometry/arredondamento.hpp"
#include "view/coordenadas.hpp"

namespace quindra {

void prepara_textura(ProjecaoTextura& projecao, const Malha& malha, const Camera& camera) {
    if (malha.Pontos.empty()) return;
    const Ponto& primeiro = malha.Pontos.front();
    Ponto canto_u(primeiro.x, primeiro.y, 0), canto_v(primeiro.x, primeiro.y, 0);
    // CantoU gathers max x and min y, CantoV min x and max y.
    for (auto p = malha.Pontos.begin() + 1; p != malha.Pontos.end(); ++p) {
        if (p->x > canto_u.x)
            canto_u.x = p->x;
        else if (p->x < canto_v.x)
            canto_v.x = p->x;
        if (p->y > canto_v.y)
            canto_v.y = p->y;
        else if (p->y < canto_u.y)
            canto_u.y = p->y;
    }
    projecao.CantoU = canto_u;
    projecao.CantoV = canto_v;
    projecao.OrigemTextura = Ponto(canto_v.x, canto_u.y, 0);
    for (Ponto* p : {&projecao.OrigemTextura, &projecao.CantoU, &projecao.CantoV})
        transforma_ponto(*p, camera, malha.FatorDilatacaoZ);
    projecao.EixoU.diferenca(projecao.CantoU, projecao.OrigemTextura);
    projecao.EixoV.diferenca(projecao.CantoV, projecao.OrigemTextura);
    projecao.DirecaoProjecao.atribui(camera.U.z, camera.V.z, camera.N.z);
}

CoordenadasTextura coordenadas_textura(const ProjecaoTextura& projecao, const Ponto& p) {
    Vetor t;
    t.diferenca(p, projecao.OrigemTextura);
    t.projeta(projecao.DirecaoProjecao);
    Ponto no_plano;
    no_plano.copia(p);
    no_plano.subtrai(t);
    t.diferenca(no_plano, projecao.OrigemTextura);
    return {t.coeficiente_projecao(projecao.EixoU), t.coeficiente_projecao(projecao.EixoV)};
}

CorPixel texel(const Bitmap& textura, const CoordenadasTextura& coordenadas) {
    const std::int64_t largura = textura.largura(), altura = textura.altura();
    const std::int64_t coluna = trunca(static_cast<double>(largura) * coordenadas.u);
    const std::int64_t linha = altura - trunca(static_cast<double>(altura) * coordenadas.v);
    if (coluna < 0 || coluna >= largura || linha < 0 || linha >= altura) return PRETO;
    return textura.pixel(coluna, linha);
}

} // namespace quindra
