// The views that help compare the algorithms, timed through the session as the window runs
// them: the sheet of every algorithm beside the nine Draws it stands for, and the replay of the
// painted order, a Draw of the first K triangles per step.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "app/sessao.hpp"
#include "esfera_grande.hpp"

namespace {

using namespace quindra;
using Relogio = std::chrono::steady_clock;

double ms_desde(Relogio::time_point inicio) {
    return std::chrono::duration<double, std::milli>(Relogio::now() - inicio).count();
}

double mediana(std::vector<double> valores) {
    std::sort(valores.begin(), valores.end());
    return valores[valores.size() / 2];
}

// The sphere loaded into a session with the window's initial parameters (the camera at
// (0, 0, 200) looking down -z, one white light at the origin) and a texture over every face.
struct SessaoComEsfera {
    Sessao sessao;
    Parametros parametros;
    std::string erro;

    explicit SessaoComEsfera(long triangulos) {
        const auto pasta = std::filesystem::temp_directory_path();
        const auto objeto = pasta / ("quindra-bench-vistas-" + std::to_string(triangulos) + ".txt");
        const auto textura = pasta / "quindra-bench-vistas-textura.bmp";
        quindra::bench::escreve_esfera(objeto, triangulos);
        const std::string mensagem = sessao.carrega_objeto(objeto.string());
        std::filesystem::remove(objeto);
        if (!mensagem_de_sucesso(mensagem)) erro = mensagem;
        // the frame itself serves as an image to sample
        if (!salva_tela(sessao.quadro(), textura.string(), erro)) return;
        if (auto falha = sessao.carrega_textura(textura.string())) erro = *falha;
        std::filesystem::remove(textura);
        parametros.tFacef_edit.texto = std::to_string(sessao.sistema.malha.NumTriangulos());
    }
};

// Each iteration draws the nine choices one by one, then the sheet; the counters are the
// medians and the sheet's time over the nine Draws'.
void BM_FolhaContraNoveDesenhos(benchmark::State& estado) {
    SessaoComEsfera esfera(estado.range(0));
    if (!esfera.erro.empty()) return estado.SkipWithError(esfera.erro.c_str());
    Sessao& sessao = esfera.sessao;
    sessao.desenha(Algoritmo::RayTracing, esfera.parametros); // the ray tracer's structure
    std::vector<double> nove, folha, razao;
    for (auto _ : estado) {
        double soma = 0;
        for (const DescricaoAlgoritmo& a : ALGORITMOS) {
            const auto inicio = Relogio::now();
            sessao.desenha(a.algoritmo, esfera.parametros);
            soma += ms_desde(inicio);
        }
        const auto inicio = Relogio::now();
        if (!sessao.compara(esfera.parametros)) return estado.SkipWithError("folha incompleta");
        folha.push_back(ms_desde(inicio));
        nove.push_back(soma);
        razao.push_back(folha.back() / soma);
    }
    estado.counters["nove_ms"] = mediana(nove);
    estado.counters["folha_ms"] = mediana(folha);
    estado.counters["folha_por_nove"] = mediana(razao);
}
BENCHMARK(BM_FolhaContraNoveDesenhos)
    ->Arg(1'000'000)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The replay with Phong: each step draws the first K triangles, K growing from 0 to all of
// them over the steps, and takes a copy of the frame as the window shows it.
void BM_ReproducaoPhong(benchmark::State& estado) {
    SessaoComEsfera esfera(estado.range(0));
    if (!esfera.erro.empty()) return estado.SkipWithError(esfera.erro.c_str());
    Sessao& sessao = esfera.sessao;
    const auto total = static_cast<std::size_t>(sessao.sistema.malha.NumTriangulos());
    constexpr std::size_t PASSOS = 50;
    std::size_t passo = 0;
    for (auto _ : estado) {
        sessao.desenha(Algoritmo::Phong, esfera.parametros,
                       total * (passo++ % (PASSOS + 1)) / PASSOS);
        Bitmap mostrado = sessao.quadro();
        benchmark::DoNotOptimize(mostrado.rgb().data());
    }
    estado.counters["redesenhos_por_s"] =
        benchmark::Counter(static_cast<double>(estado.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReproducaoPhong)->Arg(100'000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
