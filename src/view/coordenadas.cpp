#include "view/coordenadas.hpp"

#include <tbb/parallel_for.h>

namespace quindra {

void transforma_ponto(Ponto& p, const Camera& camera, double fator_z) {
    const double dx = p.x - camera.C.x;
    const double dy = p.y - camera.C.y;
    const double dz = p.z * fator_z - camera.C.z;
    const Vetor &u = camera.U, &v = camera.V, &n = camera.N;
    p.atribui_vista(dx * u.x + dy * u.y + dz * u.z, dx * v.x + dy * v.y + dz * v.z,
                    dx * n.x + dy * n.y + dz * n.z);
}

void transforma_pontos(Malha& malha, const Camera& camera) {
    auto& pontos = malha.Pontos;
    tbb::parallel_for(std::size_t{0}, pontos.size(), [&](std::size_t i) {
        transforma_ponto(pontos[i], camera, malha.FatorDilatacaoZ);
    });
}

void transforma_fontes(Cena& cena, const Camera& camera, double fator_z) {
    for (Ponto& p : cena.Pl) transforma_ponto(p, camera, fator_z);
}

} // namespace quindra
