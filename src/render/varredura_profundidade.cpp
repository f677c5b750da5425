#include "render/varredura_profundidade.hpp"

namespace quindra {

bool TrianguloProfundidade::prepara(const Camera& camera, const Ponto& p1, const Ponto& p2,
                                    const Ponto& p3, const Vetor& face) {
    const VerticesTela v{projeta_vertice(camera, p1), projeta_vertice(camera, p2),
                         projeta_vertice(camera, p3)};
    if (fora_de_alcance(v)) return false;
    d_ = camera.d, hx_ = camera.hx, hy_ = camera.hy;
    p_ = {p1, p2, p3};
    face_ = face;
    plano_ = face.x * p3.xv + face.y * p3.yv + face.z * p3.zv;
    determinante_ = determinante_baricentrico(p1.xv, p1.yv, p2.xv, p2.yv, p3.xv, p3.yv);
    tela_ = ordena_por_altura(v);
    return true;
}

} // namespace quindra
