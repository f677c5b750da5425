// Loading a sphere of about 1M triangles from a binary STL, a binary PLY and an OBJ file: ms per
// load, file read and parsed, points merged (STL) and the mesh installed.
#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

#include "esfera_grande.hpp"
#include "malhas/formatos.hpp"

namespace {

void BM_CarregaFormato(benchmark::State& estado, const std::string& extensao) {
    const auto arquivo =
        std::filesystem::temp_directory_path() / ("quindra-bench-esfera" + extensao);
    quindra::bench::escreve_esfera_em(arquivo, quindra::bench::gera_esfera(1'000'000));
    const auto bytes = std::filesystem::file_size(arquivo);
    long triangulos = 0;
    for (auto _ : estado) {
        quindra::Malha malha;
        const std::string mensagem = quindra::carrega_malha(malha, arquivo);
        if (mensagem.front() != ' ') estado.SkipWithError(mensagem.c_str());
        triangulos = malha.NumTriangulos();
        benchmark::DoNotOptimize(malha.Triangulos.data());
    }
    estado.SetBytesProcessed(static_cast<std::int64_t>(estado.iterations() * bytes));
    estado.counters["triangulos"] = static_cast<double>(triangulos);
    estado.counters["arquivo_MB"] = static_cast<double>(bytes) / 1e6;
    std::filesystem::remove(arquivo);
}
BENCHMARK_CAPTURE(BM_CarregaFormato, stl, std::string(".stl"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CarregaFormato, ply, std::string(".ply"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CarregaFormato, obj, std::string(".obj"))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
