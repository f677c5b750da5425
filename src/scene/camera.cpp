#include "scene/camera.hpp"

#include <cmath>

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

struct Campo {
    std::string_view texto;
    const char* mensagem;
    bool positivo; // d, hx and hy must be above zero
};

} // namespace

std::string le_camera(std::optional<Camera>& CameraAtual, const TextosCamera& t) {
    const Campo campos[12] = {
        {t.Nx, "N.x em formato inválido.", false},
        {t.Ny, "N.y em formato inválido.", false},
        {t.Nz, "N.z em formato inválido.", false},
        {t.Vx, "V.x em formato inválido.", false},
        {t.Vy, "V.y em formato inválido.", false},
        {t.Vz, "V.z em formato inválido.", false},
        {t.Cx, "C.x em formato inválido.", false},
        {t.Cy, "C.y em formato inválido.", false},
        {t.Cz, "C.z em formato inválido.", false},
        {t.d, "d(dist. focal) em formato inválido.", true},
        {t.hx, "hx em formato inválido.", true},
        {t.hy, "hy em formato inválido.", true},
    };
    double v[12];
    for (int i = 0; i < 12; ++i) {
        bool erro = false;
        v[i] = converte_real(campos[i].texto, erro);
        if (erro || (campos[i].positivo && v[i] <= 0)) return campos[i].mensagem;
    }
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
