// Turning the camera about its own axes, in place or around a centre, and moving it towards the
// centre. The camera fields follow each move as they show numbers, and the next Draw reads them
// back.
#include <algorithm>
#include <cassert>
#include <cmath>
#include <utility>

#include "app/sessao.hpp"
#include "geometry/campos_numericos.hpp"
#include "geometry/numero_texto.hpp"
#include "scene/enquadramento.hpp"

namespace quindra {

namespace {

// Pi to twelve decimals, not M_PI: the angle the fields show after a turn depends on it (90
// degrees leaves cos at 4e-13).
constexpr long double PI_DOZE_CASAS = 3.141592653589L;

// a := c a + s b, component by component.
Vetor combina(double c, const Vetor& a, double s, const Vetor& b) {
    return {c * a.x + s * b.x, c * a.y + s * b.y, c * a.z + s * b.z};
}

// Turns the camera by theta about one of its axes; U is left as it was.
void gira_camera(Camera& camera, int eixo, double theta) {
    const double c = std::cos(theta), s = std::sin(theta);
    switch (eixo) {
    case EIXO_MIRA:
        camera.V = combina(c, camera.V, -s, camera.U);
        break;
    case EIXO_HORIZONTAL: {
        const Vetor n = combina(c, camera.N, -s, camera.V);
        camera.V = combina(c, camera.V, s, camera.N);
        camera.N = n;
        break;
    }
    case EIXO_VERTICAL:
        camera.N = combina(c, camera.N, s, camera.U);
        break;
    default:
        break;
    }
}

constexpr const char* CENTRO_X = "Coord. x do Centro Rot. em formato inválido.";
constexpr const char* CENTRO_Y = "Coord. y do Centro Rot. em formato inválido.";
constexpr const char* CENTRO_Z = "Coord. z do Centro Rot. em formato inválido.";

// The largest share of the distance to the centre one step of the wheel may cover.
constexpr double FRACAO_MAXIMA = 0.5;

bool finito(const Vetor& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

bool finita(const Camera& camera) {
    return finito(camera.N) && finito(camera.V) &&
           finito(Vetor(camera.C.x, camera.C.y, camera.C.z));
}

// The centre coordinate whose distance from the camera overflows, or x when only the length
// of the whole distance does.
std::string mensagem_centro_distante(const Ponto& centro, const Ponto& c) {
    if (!std::isfinite(centro.y - c.y)) return CENTRO_Y;
    if (!std::isfinite(centro.z - c.z)) return CENTRO_Z;
    return CENTRO_X;
}

void escreve_posicao(const Ponto& c, Parametros& parametros) {
    escreve_coordenadas(parametros.Cx_edit, parametros.Cy_edit, parametros.Cz_edit, c.x, c.y, c.z);
}

} // namespace

std::optional<Ponto> le_centro(std::string_view x, std::string_view y, std::string_view z,
                               std::string& falha, std::string_view* recusado) {
    double v[3];
    const CampoNumerico campos[] = {
        {x, v[0], nullptr, CENTRO_X}, {y, v[1], nullptr, CENTRO_Y}, {z, v[2], nullptr, CENTRO_Z}};
    if (const CampoNumerico* campo = le_campos(campos, recusado)) {
        falha = campo->mensagem;
        return std::nullopt;
    }
    return Ponto(v[0], v[1], v[2]);
}

std::string Sessao::le_camera(const Parametros& parametros) {
    std::string_view recusado;
    return anota(quindra::le_camera(sistema.CameraAtual, parametros.textos_camera(), &recusado),
                 recusado);
}

std::string Sessao::gira(Parametros& parametros, int eixo, int sentido) {
    std::string mensagem;
    std::string_view recusado;
    const auto centro = le_centro(parametros.Centrox_edit.texto, parametros.Centroy_edit.texto,
                                  parametros.Centroz_edit.texto, mensagem, &recusado);
    if (!centro) return anota(mensagem, recusado);
    bool erro = false;
    const double angulo = converte_real(parametros.Angulo_edit.texto, erro);
    if (erro) return anota("Ângulo em formato inválido.", parametros.Angulo_edit.texto);
    mensagem = le_camera(parametros);
    if (!mensagem_de_sucesso(mensagem)) return mensagem;
    return gira_em_torno(*centro, eixo, sentido * angulo, parametros).value_or(mensagem);
}

std::optional<std::string> Sessao::gira_em_torno(const Ponto& centro, int eixo, double graus,
                                                 Parametros& parametros) {
    assert(sistema.CameraAtual);
    // Turned on a copy: a centre so far from the camera that the distance overflows would
    // otherwise write INF and NAN into the camera and its fields.
    Camera camera = *sistema.CameraAtual;
    const double theta = static_cast<double>(static_cast<long double>(graus) / 180 * PI_DOZE_CASAS);
    if (centro.x == camera.C.x && centro.y == camera.C.y && centro.z == camera.C.z) {
        gira_camera(camera, eixo, theta);
    } else {
        // Aim at the centre, turn, and for a turn that moves the view direction step back
        // along it to the same distance.
        camera.N.atribui(centro.x - camera.C.x, centro.y - camera.C.y, centro.z - camera.C.z);
        const double raio = camera.N.norma();
        camera.atualiza(camera.d, camera.hx, camera.hy);
        gira_camera(camera, eixo, theta);
        if (eixo == EIXO_HORIZONTAL || eixo == EIXO_VERTICAL)
            camera.C.atribui(centro.x - raio * camera.N.x, centro.y - raio * camera.N.y,
                             centro.z - raio * camera.N.z);
    }
    if (!finita(camera)) return mensagem_centro_distante(centro, sistema.CameraAtual->C);
    *sistema.CameraAtual = camera;
    escreve_posicao(camera.C, parametros);
    escreve_coordenadas(parametros.Nx_edit, parametros.Ny_edit, parametros.Nz_edit, camera.N.x,
                        camera.N.y, camera.N.z);
    escreve_coordenadas(parametros.Vx_edit, parametros.Vy_edit, parametros.Vz_edit, camera.V.x,
                        camera.V.y, camera.V.z);
    return std::nullopt;
}

std::optional<std::string> Sessao::aproxima(const Ponto& centro, double fracao,
                                            Parametros& parametros) {
    assert(sistema.CameraAtual);
    Camera& camera = *sistema.CameraAtual;
    const Vetor ate_centro(centro.x - camera.C.x, centro.y - camera.C.y, centro.z - camera.C.z);
    // The step is a fraction of how far ahead the centre lies along N, so that no step reaches
    // it; with the centre beside or behind the camera, of the whole distance instead.
    const double adiante = ate_centro.produto_escalar(camera.N);
    const double passo =
        std::min(fracao, FRACAO_MAXIMA) * (adiante > 0 ? adiante : ate_centro.norma());
    const Ponto c(camera.C.x + passo * camera.N.x, camera.C.y + passo * camera.N.y,
                  camera.C.z + passo * camera.N.z);
    if (!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(c.z))
        return mensagem_centro_distante(centro, camera.C);
    camera.C.atribui(c.x, c.y, c.z);
    escreve_posicao(c, parametros);
    return std::nullopt;
}

std::optional<std::string> Sessao::enquadra(Parametros& parametros) {
    if (sistema.malha.NumTriangulos() == 0) return std::nullopt;
    if (auto falha = le_fator_dilatacao(parametros)) return falha;
    const std::string mensagem = le_camera(parametros);
    if (!mensagem_de_sucesso(mensagem)) return mensagem;
    const auto esfera = esfera_envolvente(sistema.malha);
    const auto camera = esfera ? quindra::enquadra(*sistema.CameraAtual, *esfera) : std::nullopt;
    if (!camera) return "Objeto grande demais para ser enquadrado.";
    const Camera antes = std::exchange(*sistema.CameraAtual, *camera);
    escreve_posicao(camera->C, parametros);
    // d, hx and hy keep the texts the user typed unless they had to shrink.
    if (camera->d != antes.d) {
        for (auto [campo, valor] : {std::pair{&parametros.d_edit, camera->d},
                                    {&parametros.hx_edit, camera->hx},
                                    {&parametros.hy_edit, camera->hy}})
            campo->texto = formata_real(valor);
    }
    escreve_coordenadas(parametros.Centrox_edit, parametros.Centroy_edit, parametros.Centroz_edit,
                        esfera->centro.x, esfera->centro.y, esfera->centro.z);
    return std::nullopt;
}

void Sessao::carrega_centro(Parametros& parametros) const {
    const auto& centro = sistema.malha.CentroObjeto;
    if (!centro) return;
    escreve_coordenadas(parametros.Centrox_edit, parametros.Centroy_edit, parametros.Centroz_edit,
                        centro->x, centro->y, centro->z);
}

} // namespace quindra
