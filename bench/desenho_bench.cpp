// One Draw of each renderer on UV spheres of about 1k, 100k and 1M triangles, timed the way the
// window runs it: the viewing transform of the points (and of the lights for the shading
// renderers), the depth-buffer reset for the depth-buffered ones, then the renderer.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "esfera_grande.hpp"
#include "malhas/objeto.hpp"
#include "render/algoritmos.hpp"
#include "view/tela.hpp"
#include "view/textura.hpp"
#include "view/z_buffer.hpp"

namespace {

using namespace quindra;

// The sphere of each size, written to the temp folder and loaded once; every benchmark draws
// its own copy, so each starts from the file's triangle order whatever ran before it.
const Malha* esfera(long triangulos, std::string& erro) {
    static std::map<long, Malha> carregadas;
    if (const auto achada = carregadas.find(triangulos); achada != carregadas.end())
        return &achada->second;
    const auto arquivo = std::filesystem::temp_directory_path() /
                         ("quindra-bench-desenho-" + std::to_string(triangulos) + ".txt");
    quindra::bench::escreve_esfera(arquivo, triangulos);
    Malha malha;
    const std::string mensagem = carrega_objeto(malha, arquivo);
    std::filesystem::remove(arquivo);
    if (mensagem.empty() || mensagem.front() != ' ') {
        erro = mensagem;
        return nullptr;
    }
    return &carregadas.emplace(triangulos, std::move(malha)).first->second;
}

// A 256 x 256 checkerboard of 32-pixel squares, so the textured renderer has an image to
// sample without reading a file.
Bitmap textura_xadrez() {
    constexpr int lado = 256;
    std::vector<std::uint8_t> rgb(std::size_t{lado} * lado * 3);
    for (int y = 0; y < lado; ++y)
        for (int x = 0; x < lado; ++x) {
            const bool claro = ((x / 32) + (y / 32)) % 2 == 0;
            const auto i = (static_cast<std::size_t>(y) * lado + static_cast<std::size_t>(x)) * 3;
            rgb[i] = claro ? 230 : 40;
            rgb[i + 1] = claro ? 230 : 90;
            rgb[i + 2] = claro ? 230 : 160;
        }
    return {lado, lado, std::move(rgb)};
}

// The window's state at its defaults: camera at (0, 0, 200) looking down -z, the initial
// material, white ambient light with Ka = 0.5 and one white light at the camera.
struct Cenario {
    Malha malha;
    Camera camera{Vetor(0, 0, -1), Vetor(0, 1, 0), Ponto(0, 0, 200), 1, 0.5, 0.5};
    Material material{.Od1 = {255, 255, 0},
                      .Os1 = {255, 255, 255},
                      .Od2 = {255, 255, 0},
                      .Os2 = {255, 255, 255},
                      .Kd = 0.5,
                      .Ks = 0.5,
                      .Rugosidade = 1};
    Cena cena{
        .Ia = {255, 255, 255}, .Ka = 0.5, .Il = {Cor(255, 255, 255)}, .Pl = {Ponto(0, 0, 200)}};
    std::optional<Bitmap> Tela, Textura;
    std::optional<ZBuffer> profundidade;
    ProjecaoTextura projecao;
    Vista vista;
    Bitmap imagem_textura = textura_xadrez();
    TabelaDeTetraedros tabela{};
    FaixaTextura faixa;

    explicit Cenario(const Malha& esfera) : malha(esfera) {
        cria_tela(Tela, Textura);
        faixa = {1, malha.NumTriangulos()};
    }

    // One press of the Draw button with the algorithm chosen.
    void desenha(Algoritmo algoritmo) {
        Desenho desenho{*Tela,        malha,    vista,           camera, material,        cena,
                        profundidade, projecao, &imagem_textura, faixa,  {false, &tabela}};
        quindra::desenha(algoritmo, desenho);
    }
};

void BM_Desenho(benchmark::State& estado, Algoritmo algoritmo) {
    std::string erro;
    const Malha* origem = esfera(estado.range(0), erro);
    if (!origem) {
        estado.SkipWithError(erro.c_str());
        return;
    }
    Cenario cenario(*origem);

    // The first draw after loading meets the file's order; the painter's and Phong renderers
    // leave the list sorted, so the timed draws below sort a list already in order, as the
    // window does when Draw is pressed again with the same camera.
    const auto inicio = std::chrono::steady_clock::now();
    cenario.desenha(algoritmo);
    const std::chrono::duration<double, std::milli> primeiro =
        std::chrono::steady_clock::now() - inicio;

    for (auto _ : estado) {
        cenario.desenha(algoritmo);
        benchmark::DoNotOptimize(cenario.Tela->rgb().data());
        benchmark::ClobberMemory();
    }
    estado.counters["triangulos"] = static_cast<double>(cenario.malha.NumTriangulos());
    estado.counters["primeiro_ms"] = primeiro.count();
}

void tamanhos(benchmark::internal::Benchmark* b) {
    b->Arg(1'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK_CAPTURE(BM_Desenho, arame, Algoritmo::Wireframe)->Apply(tamanhos);
BENCHMARK_CAPTURE(BM_Desenho, arame_oculto, Algoritmo::WireframeOculto)->Apply(tamanhos);
BENCHMARK_CAPTURE(BM_Desenho, flat, Algoritmo::Flat)->Apply(tamanhos);
BENCHMARK_CAPTURE(BM_Desenho, gouraud_pintor, Algoritmo::GouraudPintor)->Apply(tamanhos);
BENCHMARK_CAPTURE(BM_Desenho, gouraud_zbuffer, Algoritmo::GouraudZBuffer)->Apply(tamanhos);
BENCHMARK_CAPTURE(BM_Desenho, phong, Algoritmo::Phong)->Apply(tamanhos);
BENCHMARK_CAPTURE(BM_Desenho, phong_textura, Algoritmo::PhongTextura)->Apply(tamanhos);
BENCHMARK_CAPTURE(BM_Desenho, tetraedro, Algoritmo::WireframeTetraedro)->Apply(tamanhos);

} // namespace

BENCHMARK_MAIN();
