// The ray tracer beside Phong, timed in the same iterations so that a busy machine slows both
// alike. Each iteration loads the object file and draws once with each (the ray tracer building
// its structure), then draws once more with each, as a later Draw in the window does. The
// counters are the medians and their ratios, and the structure's peak bytes per triangle.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "esfera_grande.hpp"
#include "malhas/objeto.hpp"
#include "render/algoritmos.hpp"
#include "render/cena_raios.hpp"
#include "toro.hpp"
#include "view/tela.hpp"

namespace {

using namespace quindra;
using Relogio = std::chrono::steady_clock;

// Two white lights to one side, ambient 0.2, the sample material: yellow, Ks = 0.5, so every
// hit casts shadow rays and a mirror ray.
struct Cenario {
    Malha malha;
    Camera camera;
    Material material{.Od1 = {255, 200, 0},
                      .Os1 = {255, 255, 255},
                      .Od2 = {255, 200, 0},
                      .Os2 = {255, 255, 255},
                      .Kd = 0.7,
                      .Ks = 0.5,
                      .Rugosidade = 20};
    Cena cena{.Ia = {255, 255, 255},
              .Ka = 0.2,
              .Il = {Cor(255, 255, 255), Cor(150, 150, 150)},
              .Pl = {Ponto(120, -100, 150), Ponto(-150, 60, 80)}};
    std::optional<Bitmap> Tela, Textura;
    std::optional<ZBuffer> profundidade;
    ProjecaoTextura projecao;
    Vista vista;
    CenaRaios raios;

    Cenario(const std::filesystem::path& arquivo, const Camera& c) : camera(c) {
        carrega_objeto(malha, arquivo);
        cria_tela(Tela, Textura);
    }
    void desenha(Algoritmo algoritmo) {
        Desenho desenho{*Tela, malha, vista, camera, material, cena, profundidade, projecao};
        desenho.raios = &raios;
        quindra::desenha(algoritmo, desenho);
    }
};

double ms_desde(Relogio::time_point inicio) {
    return std::chrono::duration<double, std::milli>(Relogio::now() - inicio).count();
}

double mediana(std::vector<double> valores) {
    std::sort(valores.begin(), valores.end());
    return valores[valores.size() / 2];
}

template <class Escreve>
void BM_RayTracingContraPhong(benchmark::State& estado, Escreve escreve, Camera camera) {
    const auto arquivo = std::filesystem::temp_directory_path() /
                         ("quindra-bench-raios-" + std::to_string(estado.range(0)) + ".txt");
    escreve(arquivo, estado.range(0));
    std::vector<double> phong_primeiro, raios_primeiro, phong_seguinte, raios_seguinte;
    double bytes_por_triangulo = 0, triangulos = 0;
    for (auto _ : estado) {
        auto inicio = Relogio::now();
        Cenario(arquivo, camera).desenha(Algoritmo::Phong);
        phong_primeiro.push_back(ms_desde(inicio));

        inicio = Relogio::now();
        Cenario cenario(arquivo, camera);
        cenario.desenha(Algoritmo::RayTracing);
        raios_primeiro.push_back(ms_desde(inicio));
        estado.SetIterationTime(raios_primeiro.back() / 1000);

        inicio = Relogio::now();
        cenario.desenha(Algoritmo::Phong);
        phong_seguinte.push_back(ms_desde(inicio));
        inicio = Relogio::now();
        cenario.desenha(Algoritmo::RayTracing);
        raios_seguinte.push_back(ms_desde(inicio));

        triangulos = cenario.malha.NumTriangulos();
        bytes_por_triangulo = static_cast<double>(cenario.raios.pico_bytes()) / triangulos;
    }
    std::filesystem::remove(arquivo);
    estado.counters["triangulos"] = triangulos;
    estado.counters["carga_phong_ms"] = mediana(phong_primeiro);
    estado.counters["carga_raios_ms"] = mediana(raios_primeiro);
    estado.counters["razao_primeiro"] = mediana(raios_primeiro) / mediana(phong_primeiro);
    estado.counters["phong_ms"] = mediana(phong_seguinte);
    estado.counters["raios_ms"] = mediana(raios_seguinte);
    estado.counters["razao_seguinte"] = mediana(raios_seguinte) / mediana(phong_seguinte);
    estado.counters["bytes_por_triangulo"] = bytes_por_triangulo;
}

// The torus seen from above and to one side, filling about a third of the frame; the sphere
// as the drawing benchmark frames it.
const Camera VISTA_TORO(Vetor(0, 160, -110), Vetor(0, 0, 1), Ponto(0, -160, 110), 1, 0.45, 0.45);
const Camera VISTA_ESFERA(Vetor(0, 0, -1), Vetor(0, 1, 0), Ponto(0, 0, 200), 1, 0.5, 0.5);

BENCHMARK_CAPTURE(BM_RayTracingContraPhong, toro, bench::escreve_toro, VISTA_TORO)
    ->Arg(88'000)
    ->Iterations(7)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RayTracingContraPhong, esfera, bench::escreve_esfera, VISTA_ESFERA)
    ->Arg(1'000'000)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
