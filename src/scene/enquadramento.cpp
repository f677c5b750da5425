#include "scene/enquadramento.hpp"

#include <algorithm>
#include <cmath>

namespace quindra {

namespace {

bool finito(const Ponto& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

} // namespace

std::optional<Esfera> esfera_envolvente(const Malha& malha) {
    if (malha.Pontos.empty()) return std::nullopt;
    const double fator = malha.FatorDilatacaoZ;
    double x = 0, y = 0, z = 0;
    for (const Ponto& p : malha.Pontos) x += p.x, y += p.y, z += p.z * fator;
    const auto n = static_cast<double>(malha.Pontos.size());
    Esfera esfera{Ponto(x / n, y / n, z / n), 0};
    double maior = 0;
    for (const Ponto& p : malha.Pontos) {
        const Vetor ate(p.x - esfera.centro.x, p.y - esfera.centro.y,
                        p.z * fator - esfera.centro.z);
        maior = std::max(maior, ate.norma());
    }
    esfera.raio = maior;
    if (!finito(esfera.centro) || !std::isfinite(esfera.raio)) return std::nullopt;
    return esfera;
}

std::optional<Camera> enquadra(const Camera& camera, const Esfera& esfera) {
    // A single point is framed as a ball of one unit.
    const double raio = esfera.raio > 0 ? esfera.raio : 1;
    // The ball fills the narrower half-angle of the view: its centre at raio / sin(angle).
    const double tangente = std::min(camera.hx, camera.hy) / camera.d;
    const double seno = tangente / std::hypot(1.0, tangente);
    // A view of nearly 180 degrees would put the camera on the ball: keep a sliver of room.
    const double distancia = std::max(raio / seno, raio * (1 + 1e-6));
    Camera enquadrada = camera;
    const Vetor& n = camera.N;
    enquadrada.C.atribui(esfera.centro.x - distancia * n.x, esfera.centro.y - distancia * n.y,
                         esfera.centro.z - distancia * n.z);
    // The nearest point of the ball lies distancia - raio ahead. A focal plane at or beyond it
    // would cut the object: it comes halfway there.
    const double livre = distancia - raio;
    if (camera.d >= livre) {
        const double escala = livre / 2 / camera.d;
        enquadrada.d = livre / 2;
        enquadrada.hx = camera.hx * escala;
        enquadrada.hy = camera.hy * escala;
    }
    if (!finito(enquadrada.C) || !(enquadrada.d > 0) || !(enquadrada.hx > 0) ||
        !(enquadrada.hy > 0))
        return std::nullopt;
    return enquadrada;
}

} // namespace quindra
