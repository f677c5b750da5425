// Turning the camera about its own axes, in place or around a centre, and the buttons that
// fill the centre and light position fields.
#include <algorithm>
#include <cmath>

#include "app/janela.hpp"
#include "geometry/campos_numericos.hpp"
#include "geometry/numero_texto.hpp"

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
void gira(Camera& camera, int eixo, double theta) {
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

void escreve_vetor(CampoTexto& x, CampoTexto& y, CampoTexto& z, double vx, double vy, double vz) {
    x.texto = formata_real(vx);
    y.texto = formata_real(vy);
    z.texto = formata_real(vz);
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
const char* mensagem_centro_distante(const Ponto& centro, const Ponto& c) {
    if (!std::isfinite(centro.y - c.y)) return CENTRO_Y;
    if (!std::isfinite(centro.z - c.z)) return CENTRO_Z;
    return CENTRO_X;
}

} // namespace

std::optional<Ponto> Janela::le_centro_rotacao() {
    double v[3];
    const CampoNumerico campos[] = {{Centrox_edit.texto, v[0], nullptr, CENTRO_X},
                                    {Centroy_edit.texto, v[1], nullptr, CENTRO_Y},
                                    {Centroz_edit.texto, v[2], nullptr, CENTRO_Z}};
    if (const CampoNumerico* falha = le_campos(campos)) {
        Mensagem_label.texto = falha->mensagem;
        return std::nullopt;
    }
    return Ponto(v[0], v[1], v[2]);
}

void Janela::gira_pelo_angulo(int eixo, int sentido) {
    const auto centro = le_centro_rotacao();
    if (!centro) return;
    bool erro = false;
    const double angulo = converte_real(Angulo_edit.texto, erro);
    if (erro) {
        Mensagem_label.texto = "Ângulo em formato inválido.";
        return;
    }
    if (!aceita(le_camera(sistema.CameraAtual, textos_camera()))) return;
    gira_em_torno(*centro, eixo, sentido * angulo);
}

void Janela::EfetuarRot_buttonClick() { gira_pelo_angulo(Eixos_de_rotacao_radio.selecionado, 1); }

void Janela::gira_em_torno(const Ponto& centro, int eixo, double graus) {
    // Turned on a copy: a centre so far from the camera that the distance overflows would
    // otherwise write INF and NAN into the camera and its fields.
    Camera camera = *sistema.CameraAtual;
    const double theta = static_cast<double>(static_cast<long double>(graus) / 180 * PI_DOZE_CASAS);
    if (centro.x == camera.C.x && centro.y == camera.C.y && centro.z == camera.C.z) {
        gira(camera, eixo, theta);
    } else {
        // Aim at the centre, turn, and for a turn that moves the view direction step back
        // along it to the same distance.
        camera.N.atribui(centro.x - camera.C.x, centro.y - camera.C.y, centro.z - camera.C.z);
        const double raio = camera.N.norma();
        camera.atualiza(camera.d, camera.hx, camera.hy);
        gira(camera, eixo, theta);
        if (eixo == EIXO_HORIZONTAL || eixo == EIXO_VERTICAL)
            camera.C.atribui(centro.x - raio * camera.N.x, centro.y - raio * camera.N.y,
                             centro.z - raio * camera.N.z);
    }
    if (!finita(camera)) {
        Mensagem_label.texto = mensagem_centro_distante(centro, sistema.CameraAtual->C);
        return;
    }
    *sistema.CameraAtual = camera;
    escreve_vetor(Cx_edit, Cy_edit, Cz_edit, camera.C.x, camera.C.y, camera.C.z);
    escreve_vetor(Nx_edit, Ny_edit, Nz_edit, camera.N.x, camera.N.y, camera.N.z);
    escreve_vetor(Vx_edit, Vy_edit, Vz_edit, camera.V.x, camera.V.y, camera.V.z);
}

void Janela::aproxima_camera(double fracao) {
    const auto centro = le_centro_rotacao();
    if (!centro || !aceita(le_camera(sistema.CameraAtual, textos_camera()))) return;
    Camera& camera = *sistema.CameraAtual;
    const Vetor ate_centro(centro->x - camera.C.x, centro->y - camera.C.y, centro->z - camera.C.z);
    // The step is a fraction of how far ahead the centre lies along N, so that no step reaches
    // it; with the centre beside or behind the camera, of the whole distance instead.
    const double adiante = ate_centro.produto_escalar(camera.N);
    const double passo =
        std::min(fracao, FRACAO_MAXIMA) * (adiante > 0 ? adiante : ate_centro.norma());
    const Ponto c(camera.C.x + passo * camera.N.x, camera.C.y + passo * camera.N.y,
                  camera.C.z + passo * camera.N.z);
    if (!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(c.z)) {
        Mensagem_label.texto = mensagem_centro_distante(*centro, camera.C);
        return;
    }
    camera.C.atribui(c.x, c.y, c.z);
    escreve_vetor(Cx_edit, Cy_edit, Cz_edit, c.x, c.y, c.z);
}

void Janela::EfetuarRotDes_buttonClick() {
    EfetuarRot_buttonClick();
    if (mensagem_de_sucesso(Mensagem_label.texto)) Desenhar_buttonClick();
}

void Janela::CarregarCtr_buttonClick() {
    const auto& centro = sistema.malha.CentroObjeto;
    if (!centro) return;
    escreve_vetor(Centrox_edit, Centroy_edit, Centroz_edit, centro->x, centro->y, centro->z);
}

void Janela::CarregarFoco_buttonClick() {
    Centrox_edit.texto = Cx_edit.texto;
    Centroy_edit.texto = Cy_edit.texto;
    Centroz_edit.texto = Cz_edit.texto;
}

void Janela::Button1Click() {
    // The position fields are only validated here; the camera supplies the values.
    double v[3];
    const CampoNumerico campos[] = {{Cx_edit.texto, v[0], nullptr, CENTRO_X},
                                    {Cy_edit.texto, v[1], nullptr, CENTRO_Y},
                                    {Cz_edit.texto, v[2], nullptr, CENTRO_Z}};
    if (const CampoNumerico* falha = le_campos(campos)) {
        Mensagem_label.texto = falha->mensagem;
        return;
    }
    // Before any draw or rotation there is no camera yet: build it from the fields first.
    if (!sistema.CameraAtual) {
        const std::string mensagem = le_camera(sistema.CameraAtual, textos_camera());
        if (!mensagem_de_sucesso(mensagem)) {
            Mensagem_label.texto = mensagem;
            return;
        }
    }
    const Camera& camera = *sistema.CameraAtual;
    escreve_vetor(Centrox_edit, Centroy_edit, Centroz_edit, camera.C.x + camera.d * camera.N.x,
                  camera.C.y + camera.d * camera.N.y, camera.C.z + camera.d * camera.N.z);
}

void Janela::Button4Click() {
    Plx_edit.texto = Cx_edit.texto;
    Ply_edit.texto = Cy_edit.texto;
    Plz_edit.texto = Cz_edit.texto;
}

} // namespace quindra
