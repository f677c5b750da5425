// Loading a large object file: time per load and the process's peak memory.
#include <benchmark/benchmark.h>
#include <filesystem>
#include <sys/resource.h>

#include "esfera_grande.hpp"
#include "malhas/objeto.hpp"

namespace {

double pico_de_memoria_mb() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return static_cast<double>(uso.ru_maxrss) / 1024.0;
}

void BM_CarregaEsfera(benchmark::State& estado) {
    const auto arquivo = std::filesystem::temp_directory_path() /
                         ("quindra-bench-esfera-" + std::to_string(estado.range(0)) + ".txt");
    const long triangulos = quindra::bench::escreve_esfera(arquivo, estado.range(0));
    const auto bytes = std::filesystem::file_size(arquivo);
    for (auto _ : estado) {
        quindra::Malha malha;
        const std::string mensagem = quindra::carrega_objeto(malha, arquivo);
        if (mensagem.front() != ' ') estado.SkipWithError(mensagem.c_str());
        benchmark::DoNotOptimize(malha.Triangulos.data());
    }
    estado.SetBytesProcessed(static_cast<std::int64_t>(estado.iterations() * bytes));
    estado.counters["triangulos"] = static_cast<double>(triangulos);
    estado.counters["arquivo_MB"] = static_cast<double>(bytes) / 1e6;
    estado.counters["pico_MB"] = pico_de_memoria_mb();
    std::filesystem::remove(arquivo);
}
BENCHMARK(BM_CarregaEsfera)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
