// Every frame of every choice, on the bundled objects and under cameras that stress the
// renderers (close-ups, off-centre, inside the object, cut by the focal plane), must stay the
// same bit for bit while the code under it is reorganised or sped up. Each frame's FNV-1a hash
// is compared with the one recorded in tests/data/assinaturas_quadros.txt; a deliberate change
// of the pictures is recorded again with QUINDRA_REGRAVA_ASSINATURAS=1.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "apoio/cena_teste.hpp"
#include "apoio/malhas_geradas.hpp"
#include "apoio/pasta_temporaria.hpp"
#include "apoio/plataforma_falsa.hpp"
#include "app/janela.hpp"

namespace quindra {
namespace {

namespace fs = std::filesystem;

const fs::path REGISTRO = fs::path(QUINDRA_DADOS_TESTE) / "assinaturas_quadros.txt";

std::uint64_t fnv1a(const std::vector<std::uint8_t>& bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (std::uint8_t b : bytes) h = (h ^ b) * 1099511628211ull;
    return h;
}

struct Vista {
    const char* nome;
    // Cx Cy Cz, Nx Ny Nz, Vx Vy Vz, d, hx, hy as typed into the fields; the Z factor.
    std::vector<std::string> camera;
    const char* fator_z = "1.0";
};

const Vista VISTAS[] = {
    {"padrao", {"0", "0", "200", "0", "0", "-1", "0", "1", "0", "1", "0.5", "0.5"}},
    {"perto", {"0", "0", "70", "0", "0", "-1", "0", "1", "0", "1", "0.5", "0.5"}},
    {"lado", {"120", "-60", "150", "-120", "60", "-150", "0", "1", "0", "1", "0.7", "0.6"}},
    {"dentro", {"0", "0", "0", "0", "0", "-1", "0", "1", "0", "1", "1", "1"}},
    {"cortado", {"0", "0", "200", "0", "0", "-1", "0", "1", "0", "160", "80", "80"}},
    {"obliquo", {"30", "20", "90", "-0.3", "-0.2", "-1", "0.2", "1", "0", "40", "40", "35"}},
    {"dilatado",
     {"60", "80", "160", "-60", "-80", "-160", "0", "0", "1", "1", "0.6", "0.6"},
     "1.7"},
};

const char* const AMOSTRAS[] = {"esfera", "toro", "cubo", "tetraedro", "tetraedros"};

// The samples, then two objects of about 20k triangles written into pasta.
std::vector<std::pair<std::string, fs::path>> objetos(const fs::path& pasta) {
    std::vector<std::pair<std::string, fs::path>> lista;
    for (const char* nome : AMOSTRAS)
        lista.emplace_back(nome, fs::path(QUINDRA_AMOSTRAS) / (std::string(nome) + ".txt"));
    lista.emplace_back("esfera_fina", pasta / "esfera_fina.txt");
    teste::escreve_esfera_fina(lista.back().second);
    lista.emplace_back("terreno", pasta / "terreno.txt");
    teste::escreve_terreno(lista.back().second);
    return lista;
}

// Every choice but ray tracing, and flat again in tetrahedron mode. The ray tracer's frames
// rest on Embree's single-precision arithmetic, whose kernels differ with the processor's
// vector width, so its own tests check them from first principles instead.
std::map<std::string, std::uint64_t> desenha_tudo() {
    teste::PastaTemporaria pasta;
    for (const char* nome : {"camera.txt", "cena.txt", "objeto.txt"})
        fs::copy_file(fs::path(QUINDRA_AMOSTRAS) / "configuracao" / nome, pasta.caminho() / nome);
    teste::PlataformaFalsa plataforma;
    Janela janela(plataforma, pasta.caminho(), Persistencia::so_le);
    plataforma.arquivos_para_abrir.push_back(std::string(QUINDRA_AMOSTRAS) + "/textura.bmp");
    janela.Button2Click();

    std::map<std::string, std::uint64_t> assinaturas;
    for (const auto& [objeto, arquivo] : objetos(pasta.caminho())) {
        plataforma.arquivos_para_abrir.push_back(arquivo.string());
        janela.CarregarObj_buttonClick();
        janela.altera_texto(janela.tFacei_edit, "2");
        janela.altera_texto(janela.tFacef_edit, janela.Label58.texto);
        for (const Vista& vista : VISTAS) {
            CampoTexto* campos[] = {&janela.Cx_edit, &janela.Cy_edit, &janela.Cz_edit,
                                    &janela.Nx_edit, &janela.Ny_edit, &janela.Nz_edit,
                                    &janela.Vx_edit, &janela.Vy_edit, &janela.Vz_edit,
                                    &janela.d_edit,  &janela.hx_edit, &janela.hy_edit};
            for (std::size_t i = 0; i < vista.camera.size(); ++i)
                janela.altera_texto(*campos[i], vista.camera[i]);
            janela.altera_texto(janela.FatorDilZ, vista.fator_z);
            for (int escolha : {0, 1, 2, 3, 4, 5, 6, 8, 9}) {
                const bool tetraedro = escolha == 9;
                if (tetraedro) janela.marca(janela.TModo, true);
                janela.Renderizadores_radio.selecionado = tetraedro ? 2 : escolha;
                janela.Desenhar_buttonClick();
                if (tetraedro) janela.marca(janela.TModo, false);
                EXPECT_TRUE(mensagem_de_sucesso(janela.Mensagem_label.texto))
                    << objeto << " " << vista.nome << " " << escolha << ": "
                    << janela.Mensagem_label.texto;
                const std::string chave = objeto + "/" + vista.nome + "/" + std::to_string(escolha);
                assinaturas[chave] = fnv1a(janela.Imagem.rgb());
                teste::guarda_para_olhar(janela.Imagem, objeto + std::string("_") + vista.nome +
                                                            "_" + std::to_string(escolha));
            }
        }
    }
    return assinaturas;
}

std::map<std::string, std::uint64_t> le_registro() {
    std::map<std::string, std::uint64_t> registro;
    std::ifstream arquivo(REGISTRO);
    std::string chave, hash;
    while (arquivo >> chave >> hash) registro[chave] = std::stoull(hash, nullptr, 16);
    return registro;
}

void grava_registro(const std::map<std::string, std::uint64_t>& assinaturas) {
    std::ofstream arquivo(REGISTRO);
    for (const auto& [chave, hash] : assinaturas) {
        std::ostringstream hex;
        hex << std::hex << hash;
        arquivo << chave << ' ' << hex.str() << '\n';
    }
}

TEST(AssinaturasQuadros, CadaQuadroIgualAoRegistrado) {
    const auto assinaturas = desenha_tudo();
    if (std::getenv("QUINDRA_REGRAVA_ASSINATURAS")) {
        grava_registro(assinaturas);
        GTEST_SKIP() << "recorded " << assinaturas.size() << " frames in " << REGISTRO;
    }
    const auto registro = le_registro();
    ASSERT_EQ(registro.size(), assinaturas.size()) << "record missing or stale: " << REGISTRO;
    int diferentes = 0;
    for (const auto& [chave, hash] : assinaturas) {
        const auto achado = registro.find(chave);
        if (achado != registro.end() && achado->second == hash) continue;
        ADD_FAILURE() << "frame changed: " << chave;
        ++diferentes;
    }
    EXPECT_EQ(diferentes, 0);
}

} // namespace
} // namespace quindra
