// The frames may not depend on how many threads draw them: the bands of rows, the per-point
// work and the batches must all give, bit for bit, what one thread gives. Each scene runs the
// same sequence of Draws (the painter's order a Draw leaves is the next one's start, and the
// textured choice draws in that order) once on one thread and once on four.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <tbb/global_control.h>
#include <tbb/task_arena.h>

#include "apoio/cena_teste.hpp"
#include "apoio/malhas_geradas.hpp"
#include "apoio/pasta_temporaria.hpp"
#include "malhas/objeto.hpp"
#include "render/algoritmos.hpp"
#include "view/tela.hpp"

namespace quindra {
namespace {

struct Cenario {
    const char* nome;
    void (*escreve)(const std::filesystem::path&);
    Camera camera;
};

const Cenario CENARIOS[] = {
    // From outside, nearly filling the frame.
    {"esfera_perto", teste::escreve_esfera_fina,
     Camera({0, 0, -1}, {0, 1, 0}, {0, 0, 90}, 1, 0.6, 0.6)},
    // From inside, off-centre: the focal plane cuts many triangles.
    {"esfera_dentro", teste::escreve_esfera_fina,
     Camera({0.3, -0.2, -1}, {0, 1, 0}, {10, 5, 20}, 30, 40, 40)},
    // Low over the terrain, looking along it: cut by the focal plane, many triangles off-frame.
    {"terreno_rasante", teste::escreve_terreno,
     Camera({1, 0.4, -0.3}, {0, 0, 1}, {-90, -30, 20}, 5, 4, 3)},
};

// A 64 x 64 checkerboard, for the textured choice.
Bitmap xadrez() {
    std::vector<std::uint8_t> rgb(64 * 64 * 3);
    for (std::size_t i = 0; i < 64 * 64; ++i) {
        const bool claro = ((i % 64) / 8 + (i / 64) / 8) % 2 == 0;
        rgb[3 * i] = claro ? 240 : 30, rgb[3 * i + 1] = claro ? 200 : 60, rgb[3 * i + 2] = 90;
    }
    return {64, 64, std::move(rgb)};
}

// Every choice that paints, in the window's order, then Phong again after the textured one.
std::vector<std::vector<std::uint8_t>> desenha_sequencia(const Malha& carregada,
                                                         const Cenario& cenario) {
    const Camera& camera = cenario.camera;
    Malha malha = carregada;
    const Material material{.Od1 = {255, 200, 0},
                            .Os1 = {255, 255, 255},
                            .Od2 = {80, 160, 255},
                            .Os2 = {255, 255, 255},
                            .Kd = 0.7,
                            .Ks = 0.5,
                            .Rugosidade = 20};
    Cena cena{.Ia = {255, 255, 255},
              .Ka = 0.2,
              .Il = {Cor(255, 255, 255), Cor(120, 120, 200)},
              .Pl = {Ponto(100, 150, 300), Ponto(-200, -50, 100)}};
    std::optional<Bitmap> tela, textura;
    std::optional<ZBuffer> profundidade;
    ProjecaoTextura projecao;
    Vista vista;
    const Bitmap imagem = xadrez();
    TabelaDeTetraedros tabela{};
    std::vector<std::vector<std::uint8_t>> quadros;
    for (int escolha : {0, 1, 2, 3, 4, 5, 6, 8, 5}) {
        Bitmap& quadro = cria_tela(tela, textura);
        Desenho desenho{quadro,
                        malha,
                        vista,
                        camera,
                        material,
                        cena,
                        profundidade,
                        projecao,
                        &imagem,
                        FaixaTextura{2, malha.NumTriangulos() / 2},
                        ModoTetraedro{false, &tabela}};
        desenha(*algoritmo_da_escolha(escolha), desenho);
        quadros.push_back(quadro.rgb());
        teste::guarda_para_olhar(quadro, std::string(cenario.nome) + "_" + std::to_string(escolha));
    }
    return quadros;
}

TEST(IndependenciaThreads, UmaThreadEQuatroDaoOsMesmosQuadros) {
    teste::PastaTemporaria pasta;
    for (const Cenario& cenario : CENARIOS) {
        const auto arquivo = pasta.caminho() / "objeto.txt";
        cenario.escreve(arquivo);
        Malha malha;
        ASSERT_EQ(carrega_objeto(malha, arquivo).front(), ' ') << cenario.nome;

        std::vector<std::vector<std::uint8_t>> uma, quatro;
        {
            tbb::global_control limite(tbb::global_control::max_allowed_parallelism, 1);
            uma = desenha_sequencia(malha, cenario);
        }
        {
            tbb::global_control limite(tbb::global_control::max_allowed_parallelism, 4);
            tbb::task_arena(4).execute([&] { quatro = desenha_sequencia(malha, cenario); });
        }
        ASSERT_EQ(uma.size(), quatro.size());
        for (std::size_t i = 0; i < uma.size(); ++i)
            EXPECT_TRUE(uma[i] == quatro[i]) << cenario.nome << ", Draw " << i;
        // A Phong frame of few shades would mean the scene missed the object.
        const std::vector<std::uint8_t>& phong = uma[5];
        EXPECT_GT(std::set<std::uint8_t>(phong.begin(), phong.end()).size(), 32u) << cenario.nome;
    }
}

} // namespace
} // namespace quindra
