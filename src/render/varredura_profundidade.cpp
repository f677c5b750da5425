#include "render/varredura_profundidade.hpp"

namespace quindra {

bool TrianguloProfundidade::prepara(const Camera& camera, const Ponto& p1, const Ponto& p2,
                                    const Ponto& p3, const Vetor& face) {
    return prepara(
        camera, p1, p2, p3, face,
        {projeta_vertice(camera, p1), projeta_vertice(camera, p2), projeta_vertice(camera, p3)});
}

bool TrianguloProfundidade::prepara(const Camera& camera, const Ponto& p1, const Ponto& p2,
                                    const Ponto& p3, const Vetor& face, const VerticesTela& v) {
    if (fora_de_alcance(v)) return false;
    d_ = camera.d, hx_ = camera.hx, hy_ = camera.hy;
    p_ = {p1, p2, p3};
    face_ = face;
    plano_ = face.x * p3.xv + face.y * p3.yv + face.z * p3.zv;
    escolhe_eixos(face);
    tela_ = ordena_por_altura(v);
    return true;
}

void TrianguloProfundidade::escolhe_eixos(const Vetor& face) {
    const auto coordenadas = [this](int eixo_u, int eixo_v) {
        eixo_u_ = eixo_u, eixo_v_ = eixo_v;
        for (std::size_t i = 0; i < 3; ++i) {
            const double q[3] = {p_[i].xv, p_[i].yv, p_[i].zv};
            u_[i] = q[eixo_u], v_[i] = q[eixo_v];
        }
        determinante_ = determinante_baricentrico(u_[0], v_[0], u_[1], v_[1], u_[2], v_[2]);
    };
    coordenadas(0, 1);
    if (std::fabs(determinante_) >= TOLERANCIA_DETERMINANTE) return;
    // A plane through the eye is seen edge-on and covers no area on screen either.
    if (std::fabs(plano_) < TOLERANCIA_NULO) return;
    // A plane holding the viewing direction still covers pixels in perspective (a wall beside
    // the line of sight): weigh in the pair of axes that drops the normal's largest component.
    if (std::fabs(face.x) >= std::fabs(face.y)) {
        coordenadas(1, 2);
    } else {
        coordenadas(0, 2);
    }
}

} // namespace quindra
