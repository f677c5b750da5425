#include "scene/camera.hpp"

#include <cmath>

#include "geometry/campos_numericos.hpp"

namespace quindra {

Camera::Camera(const Vetor& n, const Vetor& v, const Ponto& c, double d_, double hx_, double hy_)
    : N(n), V(v), C(c) {
    atualiza(d_, hx_, hy_);
}

void Camera::atualiza(double d_, double hx_, double hy_) {
    if (N.nulo()) {
        N.atribui(0, 0, 1);
        V.atribui(0, 1, 0);
    } else {
        N.normaliza();
    }
    if (V.nulo() || N.paralelo(V)) V.x = std::fabs(N.x) < 1e-6 ? 1 : 0;
    // Replacing only V.x cannot help when N lies along x: V would stay null or parallel and
    // collapse every point onto the centre of the frame. Take an axis that is not parallel.
    if (V.nulo() || N.paralelo(V)) {
        const Vetor eixo_y(0, 1, 0);
        V = N.paralelo(eixo_y) ? Vetor(0, 0, 1) : eixo_y;
    }
    Vetor componente_em_n(N);
    componente_em_n.multiplica(V.produto_escalar(N));
    V.subtrai(componente_em_n);
    V.normaliza();
    U.copia(N);
    U.produto_vetorial(V);
    U.normaliza();
    d = d_, hx = hx_, hy = hy_;
}

namespace {

// d, hx and hy must be above zero.
bool positivo(double v) { return v > 0; }

} // namespace

std::string le_camera(std::optional<Camera>& CameraAtual, const TextosCamera& t,
                      std::string_view* recusado) {
    double v[12];
    const CampoNumerico campos[12] = {
        {t.Nx, v[0], nullptr, "N.x em formato inválido."},
        {t.Ny, v[1], nullptr, "N.y em formato inválido."},
        {t.Nz, v[2], nullptr, "N.z em formato inválido."},
        {t.Vx, v[3], nullptr, "V.x em formato inválido."},
        {t.Vy, v[4], nullptr, "V.y em formato inválido."},
        {t.Vz, v[5], nullptr, "V.z em formato inválido."},
        {t.Cx, v[6], nullptr, "C.x em formato inválido."},
        {t.Cy, v[7], nullptr, "C.y em formato inválido."},
        {t.Cz, v[8], nullptr, "C.z em formato inválido."},
        {t.d, v[9], positivo, "d(dist. focal) em formato inválido."},
        {t.hx, v[10], positivo, "hx em formato inválido."},
        {t.hy, v[11], positivo, "hy em formato inválido."},
    };
    if (const CampoNumerico* falha = le_campos(campos, recusado)) return falha->mensagem;
    const Vetor n(v[0], v[1], v[2]), vertical(v[3], v[4], v[5]);
    const Ponto c(v[6], v[7], v[8]);
    if (!CameraAtual) {
        CameraAtual.emplace(n, vertical, c, v[9], v[10], v[11]);
    } else {
        CameraAtual->N = n;
        CameraAtual->V = vertical;
        CameraAtual->C.atribui(c.x, c.y, c.z);
        CameraAtual->atualiza(v[9], v[10], v[11]);
    }
    return std::string(39, ' ');
}

} // namespace quindra
