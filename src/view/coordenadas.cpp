#include "view/coordenadas.hpp"

namespace quindra {

void transforma_ponto(Ponto& p, const Camera& camera, double fator_z) {
    const double dx = p.x - camera.C.x;
    const double dy = p.y - camera.C.y;
    const double dz = p.z * fator_z - camera.C.z;
    const Vetor &u = camera.U, &v = camera.V, &n = camera.N;
    p.atribui_vista(dx * u.x + dy * u.y + dz * u.z, dx * v.x + dy * v.y + dz * v.z,
                    dx * n.x + dy * n.y + dz * n.z);
}

} // namespace quindra
