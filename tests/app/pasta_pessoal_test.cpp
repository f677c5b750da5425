#include "app/pasta_pessoal.hpp"

#include <gtest/gtest.h>

#include "apoio/pasta_temporaria.hpp"

namespace quindra {
namespace {

// XDG_DATA_HOME when absolute, else HOME's .local/share, else nothing.
TEST(PastaPessoal, OndeFica) {
    EXPECT_EQ(pasta_pessoal("/dados", "/home/ana"), std::filesystem::path("/dados/quindra"));
    EXPECT_EQ(pasta_pessoal(nullptr, "/home/ana"),
              std::filesystem::path("/home/ana/.local/share/quindra"));
    EXPECT_EQ(pasta_pessoal("", "/home/ana"),
              std::filesystem::path("/home/ana/.local/share/quindra"));
    EXPECT_EQ(pasta_pessoal("relativa", "/home/ana"),
              std::filesystem::path("/home/ana/.local/share/quindra"));
    EXPECT_EQ(pasta_pessoal(nullptr, nullptr), std::nullopt);
    EXPECT_EQ(pasta_pessoal("x", "y"), std::nullopt);
}

// The first use makes the folder and copies the samples' files; later uses never replace what
// the user's window wrote; a folder that cannot be made says so.
TEST(PastaPessoal, PrimeiroUsoCopiaOsExemplos) {
    teste::PastaTemporaria raiz;
    const auto modelos = raiz.caminho() / "modelos";
    std::filesystem::create_directory(modelos);
    raiz.escreve("modelos/camera.txt", "modelo");
    raiz.escreve("modelos/cena.txt", "modelo");
    const auto pasta = raiz.caminho() / "dados" / "quindra";
    std::string erro;
    ASSERT_TRUE(prepara_pasta_pessoal(pasta, modelos, erro)) << erro;
    EXPECT_EQ(teste::conteudo(pasta / "camera.txt"), "modelo");
    EXPECT_FALSE(std::filesystem::exists(pasta / "objeto.txt")); // no sample: initial values

    raiz.escreve("dados/quindra/camera.txt", "do usuário");
    ASSERT_TRUE(prepara_pasta_pessoal(pasta, modelos, erro)) << erro;
    EXPECT_EQ(teste::conteudo(pasta / "camera.txt"), "do usuário");

    raiz.escreve("arquivo", "");
    EXPECT_FALSE(prepara_pasta_pessoal(raiz.caminho() / "arquivo" / "quindra", modelos, erro));
    EXPECT_EQ(erro, "Não foi possível criar a pasta " +
                        (raiz.caminho() / "arquivo" / "quindra").string() + ".");
}

} // namespace
} // namespace quindra
