#include "cli/argumentos.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <filesystem>

#include "app/miniatura.hpp"
#include "geometry/instrumental_basico.hpp"
#include "render/algoritmos.hpp"

namespace quindra::cli {

namespace {

const std::string USE_AJUDA = " Use --help.";

std::string ultima_escolha() { return std::to_string(ALGORITMOS.size() - 1); }

// The texts as typed, between quotes and separated by blanks.
std::string entre_aspas(const std::vector<std::string>& textos) {
    std::string juntos;
    for (const std::string& texto : textos)
        juntos += (juntos.empty() ? "\"" : " \"") + texto + "\"";
    return juntos;
}

// CLI11 names the option concerned in its (English) text, as a word of its own.
const CLI::Option* opcao_citada(const CLI::App& app, const std::string& texto) {
    const auto separa = [](char c) { return c == ' ' || c == ':' || c == '='; };
    for (const CLI::Option* opcao : app.get_options()) {
        const std::string nome = opcao->get_name();
        for (auto pos = texto.find(nome); pos != std::string::npos;
             pos = texto.find(nome, pos + 1)) {
            const auto fim = pos + nome.size();
            if ((pos == 0 || separa(texto[pos - 1])) && (fim == texto.size() || separa(texto[fim])))
                return opcao;
        }
    }
    return nullptr;
}

std::string valores_esperados(const CLI::Option& opcao) {
    const int quantos = opcao.get_items_expected_max();
    if (quantos == 0) return "A opção " + opcao.get_name() + " não leva valor.";
    return "A opção " + opcao.get_name() + " pede " +
           (quantos == 1 ? std::string("um valor.") : std::to_string(quantos) + " valores.");
}

// CLI11's complaint, reworded in Portuguese after its kind and the option it names.
std::string em_portugues(const CLI::ParseError& falha, const CLI::App& app) {
    const CLI::Option* opcao = opcao_citada(app, falha.what());
    if (dynamic_cast<const CLI::ExtrasError*>(&falha)) {
        const auto extras = app.remaining();
        return (extras.size() == 1 ? "Argumento não esperado: " : "Argumentos não esperados: ") +
               entre_aspas(extras) + ".";
    }
    if (opcao && dynamic_cast<const CLI::RequiredError*>(&falha))
        return "Falta o argumento " + opcao->get_name() + ".";
    if (opcao && (dynamic_cast<const CLI::ArgumentMismatch*>(&falha) ||
                  dynamic_cast<const CLI::ConversionError*>(&falha)))
        return valores_esperados(*opcao);
    return "Argumentos inválidos.";
}

// "todos", or the exact decimal text of a position of the list: "05", "+5" and "-0" name no
// algorithm.
bool escolhe_algoritmos(const std::string& texto, Opcoes& opcoes) {
    opcoes.todas = texto == "todos";
    for (std::size_t i = 0; i < ALGORITMOS.size(); ++i) {
        if (opcoes.todas || texto == std::to_string(i))
            opcoes.escolhas.push_back(static_cast<int>(i));
    }
    return !opcoes.escolhas.empty();
}

// The value of an option that takes a whole number from menor to maior, written in decimal
// digits only; the complaint when it is not one.
std::optional<std::string> inteiro_entre(const std::string& opcao, const std::string& texto,
                                         int menor, int maior, std::optional<int>& valor) {
    int lido_como = 0;
    const char* fim = texto.data() + texto.size();
    const auto [lido, erro] = std::from_chars(texto.data(), fim, lido_como);
    if (erro == std::errc{} && lido == fim && lido_como >= menor && lido_como <= maior) {
        valor = lido_como;
        return std::nullopt;
    }
    return opcao + ": \"" + texto + "\" não é um número inteiro de " + std::to_string(menor) +
           " a " + std::to_string(maior) + ".";
}

// --miniatura TAMANHO ENTRADA SAIDA stands alone (but for --tempo); the failure, or nothing.
std::optional<std::string>
confere_miniatura(const CLI::App& app, const std::vector<std::string>& valores, Opcoes& opcoes) {
    for (const CLI::Option* opcao : app.get_options()) {
        const std::string nome = opcao->get_name();
        if (opcao->count() > 0 && nome != "--miniatura" && nome != "--tempo")
            return "--miniatura não se combina com " + nome + ".";
    }
    if (auto erro = inteiro_entre("--miniatura", valores[0], MENOR_MINIATURA, MAIOR_MINIATURA,
                                  opcoes.miniatura))
        return erro;
    opcoes.objeto = valores[1];
    opcoes.saida = valores[2];
    return std::nullopt;
}

// The triangle count of --ate: decimal digits only, any whole number from 0.
std::optional<std::size_t> triangulos_ate(const std::string& texto) {
    std::uint64_t quantos = 0;
    const char* fim = texto.data() + texto.size();
    const auto [lido, erro] = std::from_chars(texto.data(), fim, quantos);
    if (erro != std::errc{} || lido != fim) return std::nullopt;
    return static_cast<std::size_t>(std::min<std::uint64_t>(quantos, SIZE_MAX));
}

// True when every choice asked for passes the test.
template <class Teste> bool todas_as_escolhas(const Opcoes& opcoes, Teste&& teste) {
    return std::all_of(opcoes.escolhas.begin(), opcoes.escolhas.end(), [&](int escolha) {
        return teste(descricao(*algoritmo_da_escolha(escolha)));
    });
}

// The checks of --ate and --profundidade; the first that fails, or nothing.
std::optional<std::string> confere_vistas(const std::optional<std::string>& ate, Opcoes& opcoes) {
    if (ate) {
        opcoes.ate = triangulos_ate(*ate);
        if (!opcoes.ate) return "--ate: \"" + *ate + "\" não é um número inteiro de 0 em diante.";
        if (!todas_as_escolhas(
                opcoes, [](const DescricaoAlgoritmo& a) { return a.pinta_triangulos_em_ordem(); }))
            return "--ate vale para os algoritmos de 0 a 6.";
    }
    if (!opcoes.profundidade.empty() && !todas_as_escolhas(opcoes, [](const DescricaoAlgoritmo& a) {
            return a.deixa_profundidade();
        }))
        return "--profundidade vale só para os algoritmos de 4 a 7.";
    if (!opcoes.grade.empty() && !opcoes.todas) return "--grade pede -a todos.";
    return std::nullopt;
}

// The checks CLI11 cannot make; the first that fails, or nothing.
std::optional<std::string> confere(const std::string& algoritmo,
                                   const std::vector<std::string>& faces,
                                   const std::optional<std::string>& giro,
                                   const std::optional<std::string>& ate, Opcoes& opcoes) {
    if (!escolhe_algoritmos(algoritmo, opcoes))
        return "Algoritmo inválido: use um número de 0 a " + ultima_escolha() + " ou \"todos\".";
    if (auto erro = confere_vistas(ate, opcoes)) return erro;
    if (giro) {
        if (auto erro = inteiro_entre("--giro", *giro, 1, MAXIMO_QUADROS_GIRO, opcoes.giro))
            return erro;
        if (opcoes.todas) return "--giro desenha com um só algoritmo: não vale com -a todos.";
    }
    for (const std::string& face : faces) {
        bool erro = false;
        converte_inteiro(face, erro);
        if (erro) return "--faces: \"" + face + "\" não é um número inteiro.";
    }
    if (faces.size() == 2) opcoes.faces.emplace(faces[0], faces[1]);
    std::error_code erro;
    const auto estado = std::filesystem::status(opcoes.pasta, erro);
    if (!std::filesystem::exists(estado))
        return "--dir: a pasta \"" + opcoes.pasta + "\" não existe.";
    if (!std::filesystem::is_directory(estado))
        return "--dir: \"" + opcoes.pasta + "\" não é uma pasta.";
    return std::nullopt;
}

} // namespace

Pedido interpreta(int argc, const char* const* argv) {
    CLI::App app{"Desenha um objeto triangulado sem abrir a janela, com os parâmetros dos "
                 "arquivos camera.txt, cena.txt e objeto.txt da pasta de configuração."};
    app.get_formatter()->label("Usage", "Uso");
    app.get_formatter()->label("OPTIONS", "OPÇÕES");
    app.get_formatter()->label("Positionals", "Posicionais");
    app.get_formatter()->label("REQUIRED", "OBRIGATÓRIO");
    app.get_formatter()->label("TEXT", "TEXTO");
    app.option_defaults()->group("Opções");
    app.set_help_flag("-h,--help", "Mostra esta ajuda e sai.")->group("Opções");
    Opcoes opcoes;
    std::string algoritmo = "5";
    std::vector<std::string> faces;
    CLI::Option* objeto = app.add_option("OBJETO", opcoes.objeto, "Arquivo do objeto.");
    app.add_option("-a", algoritmo,
                   "Algoritmo, de 0 a " + ultima_escolha() +
                       " como na janela (padrão 5, Phong), ou \"todos\".");
    app.add_option("-o", opcoes.saida,
                   "Imagem de saída (padrão quindra.bmp; PNG quando termina em .png). Com "
                   "\"todos\", o número do algoritmo vai antes da extensão.");
    app.add_option("--textura", opcoes.textura, "Textura para o algoritmo 6.");
    app.add_option("--faces", faces, "Primeira e última face com textura.")->expected(2);
    app.add_option("--dir", opcoes.pasta,
                   "Pasta de camera.txt, cena.txt e objeto.txt (padrão: a atual); nada é "
                   "gravado nela.");
    std::string giro;
    CLI::Option* opcao_giro = app.add_option(
        "--giro", giro,
        "Desenha QUADROS quadros (de 1 a " + std::to_string(MAXIMO_QUADROS_GIRO) +
            ") de uma volta completa da câmera em torno do eixo vertical que passa pelo centro "
            "do objeto, como \"Efetuar Rotação\" com o ângulo 360/QUADROS; o número do quadro, "
            "com ao menos quatro algarismos, vai antes da extensão de -o (quindra0001.bmp, ...).");
    opcao_giro->type_name("QUADROS");
    std::string ate;
    app.add_option("--ate", ate,
                   "Desenha só os K primeiros triângulos na ordem em que o algoritmo os pinta (do "
                   "mais distante ao mais próximo no pintor, na ordem da lista nos demais); K = 0 "
                   "é o quadro limpo.")
        ->type_name("K");
    app.add_option("--profundidade", opcoes.profundidade,
                   "Grava também o z-buffer como imagem: o mais próximo em branco, o mais "
                   "distante em cinza escuro, o vazio em preto (algoritmos de 4 a 7).")
        ->type_name("ARQUIVO");
    app.add_option("--grade", opcoes.grade,
                   "Com -a todos, grava no lugar dos quadros uma folha com os nove lado a lado, "
                   "cada um com seu nome e seu tempo de desenho.")
        ->type_name("ARQUIVO");
    std::vector<std::string> miniatura;
    CLI::Option* opcao_miniatura =
        app.add_option("--miniatura", miniatura,
                       "Grava em SAIDA (PNG) uma prévia quadrada de TAMANHO pixels (de " +
                           std::to_string(MENOR_MINIATURA) + " a " +
                           std::to_string(MAIOR_MINIATURA) +
                           ") do objeto em ENTRADA, enquadrado em Phong, para gerenciadores de "
                           "arquivos; dispensa OBJETO e as demais opções.")
            ->expected(3)
            ->type_name("TAMANHO ENTRADA SAIDA");
    app.add_flag("--tempo", opcoes.tempo, "Mostra os milissegundos da carga e de cada desenho.");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        return {std::nullopt, app.help(), 0};
    } catch (const CLI::ParseError& falha) {
        return {std::nullopt, em_portugues(falha, app) + USE_AJUDA, SAIDA_USO};
    }
    if (opcao_miniatura->count() > 0) {
        if (auto erro = confere_miniatura(app, miniatura, opcoes))
            return {std::nullopt, *erro, SAIDA_USO};
        return {std::move(opcoes), "", 0};
    }
    if (objeto->count() == 0)
        return {std::nullopt, "Falta o argumento OBJETO." + USE_AJUDA, SAIDA_USO};
    const auto pedido_giro = opcao_giro->count() > 0 ? std::optional(giro) : std::nullopt;
    const auto pedido_ate =
        app.get_option("--ate")->count() > 0 ? std::optional(ate) : std::nullopt;
    if (auto erro = confere(algoritmo, faces, pedido_giro, pedido_ate, opcoes))
        return {std::nullopt, *erro, SAIDA_USO};
    return {std::move(opcoes), "", 0};
}

} // namespace quindra::cli
