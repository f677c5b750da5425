#include "imagens/imagem_arquivo.hpp"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <new>
#include <string_view>
#include <vector>

#include "geometry/numero_texto.hpp"
#include "imagens/arquivo_atomico.hpp"
#include "imagens/formatos_imagem.hpp"

namespace quindra {

namespace formatos {

std::string confere_dimensoes(std::int64_t largura, std::int64_t altura) {
    if (largura <= 0 || altura <= 0) return std::string(DIMENSOES_INVALIDAS);
    // The sides first: a PNG may claim two sides near 2^32, whose product overflows.
    if (largura <= MAXIMO_LADO_IMAGEM && altura <= MAXIMO_LADO_IMAGEM &&
        largura * altura <= MAXIMO_PIXELS_IMAGEM)
        return {};
    return "imagem grande demais: " + formata_inteiro(largura) + " x " + formata_inteiro(altura) +
           " pixels; o limite é de " + formata_inteiro(MAXIMO_PIXELS_IMAGEM / 1'000'000) +
           " megapixels e de " + formata_inteiro(MAXIMO_LADO_IMAGEM) + " pixels por lado";
}

std::string confere_memoria(std::size_t arquivo, std::int64_t largura, std::int64_t altura,
                            std::int64_t decodificador) {
    // the sides of a checked image and the sizes of buffers in memory: the sum fits 64 bits
    const std::int64_t total =
        static_cast<std::int64_t>(arquivo) + largura * altura * 3 + decodificador;
    if (total <= MAXIMO_MEMORIA_IMAGEM) return {};
    constexpr std::int64_t MB = 1 << 20;
    return "imagem grande demais: decodificar " + formata_inteiro(largura) + " x " +
           formata_inteiro(altura) + " pixels exigiria " + formata_inteiro((total + MB - 1) / MB) +
           " MB de memória; o limite é de " + formata_inteiro(MAXIMO_MEMORIA_IMAGEM / MB) + " MB";
}

} // namespace formatos

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string entre_aspas(const std::filesystem::path& arquivo) {
    return "\"" + arquivo.string() + "\"";
}

// The platform's own reports come first, word for word as every user of such programs knows
// them; the reason follows on a line of its own.
std::string nao_cria(const std::filesystem::path& arquivo, std::string_view motivo) {
    return "Cannot create file " + arquivo.string() + "\n" + std::string(motivo);
}

bool comeca_com(std::span<const std::uint8_t> dados, std::string_view assinatura) {
    return dados.size() >= assinatura.size() &&
           std::memcmp(dados.data(), assinatura.data(), assinatura.size()) == 0;
}

enum class Leitura { Lido, NaoAbre, GrandeDemais };

Leitura le_arquivo(const std::filesystem::path& arquivo, Bytes& dados) {
    std::error_code erro;
    const std::uintmax_t tamanho = std::filesystem::file_size(arquivo, erro);
    if (erro) return Leitura::NaoAbre; // missing, a folder, or unreadable
    if (tamanho > MAXIMO_BYTES_IMAGEM) return Leitura::GrandeDemais;
    std::ifstream entrada(arquivo, std::ios::binary);
    dados.resize(static_cast<std::size_t>(tamanho));
    entrada.read(reinterpret_cast<char*>(dados.data()), static_cast<std::streamsize>(tamanho));
    return entrada && entrada.gcount() == static_cast<std::streamsize>(tamanho) ? Leitura::Lido
                                                                                : Leitura::NaoAbre;
}

enum class Formato { Bmp, Png };

bool salva(const Bitmap& imagem, const std::filesystem::path& arquivo, Formato formato,
           std::string& erro) {
    if (imagem.largura() == 0 || imagem.altura() == 0) {
        erro = nao_cria(arquivo, "A imagem está vazia e não pode ser salva em " +
                                     entre_aspas(arquivo) + ".");
        return false;
    }
    const Bytes codificada =
        formato == Formato::Png ? formatos::codifica_png(imagem) : formatos::codifica_bmp(imagem);
    if (codificada.empty()) {
        erro = nao_cria(arquivo,
                        "Não foi possível codificar a imagem para " + entre_aspas(arquivo) + ".");
        return false;
    }
    // through a temporary file: a full disk leaves the old file as it was
    const std::string_view conteudo(reinterpret_cast<const char*>(codificada.data()),
                                    codificada.size());
    if (!grava_arquivo_atomico(arquivo, conteudo)) {
        erro = nao_cria(arquivo, "Não foi possível criar o arquivo " + entre_aspas(arquivo) + ".");
        return false;
    }
    return true;
}

bool termina_em_png(const std::filesystem::path& arquivo) {
    std::string extensao = arquivo.extension().string();
    std::transform(extensao.begin(), extensao.end(), extensao.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return extensao == ".png";
}

} // namespace

std::optional<Bitmap> decodifica_imagem(std::span<const std::uint8_t> bytes, std::string& erro) {
    try {
        if (comeca_com(bytes, "BM")) return formatos::decodifica_bmp(bytes, erro);
        if (comeca_com(bytes, "\x89PNG\r\n\x1a\n")) return formatos::decodifica_png(bytes, erro);
        if (comeca_com(bytes, "\xFF\xD8\xFF")) return formatos::decodifica_jpeg(bytes, erro);
        erro = "formato desconhecido (aceitos: BMP, PNG e JPEG)";
    } catch (const std::bad_alloc&) {
        erro = formatos::SEM_MEMORIA;
    }
    return std::nullopt;
}

std::optional<Bitmap> carrega_imagem(const std::filesystem::path& arquivo, std::string& erro) {
    const auto invalido = [&](std::string_view motivo) {
        erro = "Bitmap image is not valid\nO arquivo " + entre_aspas(arquivo) +
               " não é uma imagem válida: " + std::string(motivo) + ".";
    };
    Bytes dados;
    try {
        switch (le_arquivo(arquivo, dados)) {
        case Leitura::NaoAbre:
            erro = "Cannot open file " + arquivo.string() + "\nNão foi possível abrir o arquivo " +
                   entre_aspas(arquivo) + ".";
            return std::nullopt;
        case Leitura::GrandeDemais:
            invalido("arquivo grande demais; o limite é de " +
                     formata_inteiro(MAXIMO_BYTES_IMAGEM >> 20) + " MB");
            return std::nullopt;
        case Leitura::Lido:
            break;
        }
    } catch (const std::bad_alloc&) {
        invalido(formatos::SEM_MEMORIA);
        return std::nullopt;
    }
    std::string motivo;
    auto imagem = decodifica_imagem(dados, motivo);
    if (!imagem) invalido(motivo);
    return imagem;
}

bool salva_imagem(const Bitmap& imagem, const std::filesystem::path& arquivo, std::string& erro) {
    return salva(imagem, arquivo, termina_em_png(arquivo) ? Formato::Png : Formato::Bmp, erro);
}

bool salva_bmp(const Bitmap& imagem, const std::filesystem::path& arquivo, std::string& erro) {
    return salva(imagem, arquivo, Formato::Bmp, erro);
}

} // namespace quindra
