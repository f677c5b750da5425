#include "malhas/gltf_acessores.hpp"

#include <bit>

#include "malhas/binario.hpp"
#include "malhas/mensagens_carga.hpp"

namespace quindra::gltf {

namespace {

constexpr std::uint64_t UNSIGNED_BYTE = 5121, UNSIGNED_SHORT = 5123, UNSIGNED_INT = 5125,
                        FLOAT = 5126;

// The size of an unsigned index component, or 0 for any other type.
std::size_t tamanho_de_indice(std::uint64_t tipo) {
    switch (tipo) {
    case UNSIGNED_BYTE:
        return 1;
    case UNSIGNED_SHORT:
        return 2;
    case UNSIGNED_INT:
        return 4;
    default:
        return 0;
    }
}

std::uint64_t inteiro_sem_sinal(const char* dados, std::size_t tamanho) {
    switch (tamanho) {
    case 1:
        return static_cast<unsigned char>(*dados);
    case 2:
        return valor_binario<std::uint16_t>(dados, std::endian::little);
    default:
        return valor_binario<std::uint32_t>(dados, std::endian::little);
    }
}

// A buffer view's bytes, inside its buffer, and the distance between its elements (0 when
// they are packed).
struct Vista {
    std::string_view bytes;
    std::uint64_t passo;
};

// The view named by objeto's bufferView member.
Vista vista(const Documento& documento, const Buffers& buffers, dom::object objeto) {
    const dom::object v = documento.vistas[indice(objeto, "bufferView", documento.vistas.size())];
    const std::string_view buffer = buffers[indice(v, "buffer", buffers.size())];
    const std::uint64_t inicio = natural(v, "byteOffset", 0);
    const std::uint64_t tamanho = natural(v, "byteLength");
    if (inicio > buffer.size() || tamanho > buffer.size() - inicio) recusa(ARQUIVO_COM_PROBLEMAS);
    return {buffer.substr(inicio, tamanho), natural(v, "byteStride", 0)};
}

// The bytes of quantos elements of tamanho bytes, passo apart, from objeto's byteOffset in the
// view, all of them inside it.
const char* bloco(const Vista& v, dom::object objeto, std::uint64_t quantos, std::uint64_t tamanho,
                  std::uint64_t passo) {
    const std::uint64_t inicio = natural(objeto, "byteOffset", 0);
    // the last element ends inside the view: inicio + passo * (quantos - 1) + tamanho
    if (inicio > v.bytes.size() || tamanho > v.bytes.size() - inicio ||
        quantos - 1 > (v.bytes.size() - inicio - tamanho) / passo)
        recusa(ARQUIVO_COM_PROBLEMAS);
    return v.bytes.data() + inicio;
}

} // namespace

Acessor::Acessor(const Documento& documento, const Buffers& buffers, std::size_t numero, Uso uso) {
    const dom::object objeto = documento.acessores[numero];
    const std::uint64_t tipo_componente = natural(objeto, "componentType");
    const std::string_view tipo = objeto["type"];
    if (uso == Uso::posicoes) {
        if (tipo_componente != FLOAT || tipo != "VEC3") recusa(ARQUIVO_COM_PROBLEMAS);
        tamanho_componente_ = 4;
        tamanho_elemento_ = 12;
    } else {
        tamanho_componente_ = tamanho_de_indice(tipo_componente);
        if (tamanho_componente_ == 0 || tipo != "SCALAR") recusa(ARQUIVO_COM_PROBLEMAS);
        tamanho_elemento_ = tamanho_componente_;
    }
    quantos_ = natural(objeto, "count");
    if (quantos_ == 0) recusa(ARQUIVO_COM_PROBLEMAS);

    if (membro(objeto, "bufferView")) {
        const Vista v = vista(documento, buffers, objeto);
        // packed when the view gives no stride; a shorter one would overlap the elements
        passo_ = v.passo == 0 ? tamanho_elemento_ : v.passo;
        if (passo_ < tamanho_elemento_) recusa(ARQUIVO_COM_PROBLEMAS);
        dados_ = bloco(v, objeto, quantos_, tamanho_elemento_, passo_);
    } else if (quantos_ > buffers.total() / tamanho_elemento_) {
        // zeros claimed by no bytes: no more of them than the buffers could have held
        recusa(ARQUIVO_COM_PROBLEMAS);
    }
    if (const auto esparso = membro(objeto, "sparse"))
        confere_esparso(documento, buffers, dom::object(*esparso));
}

void Acessor::confere_esparso(const Documento& documento, const Buffers& buffers,
                              dom::object esparso) {
    esparsos_ = natural(esparso, "count");
    if (esparsos_ == 0 || esparsos_ > quantos_) recusa(ARQUIVO_COM_PROBLEMAS);
    const dom::object indices = esparso["indices"];
    tamanho_indice_esparso_ = tamanho_de_indice(natural(indices, "componentType"));
    if (tamanho_indice_esparso_ == 0) recusa(ARQUIVO_COM_PROBLEMAS);
    // both blocks are packed, whatever stride their views give
    indices_esparsos_ = bloco(vista(documento, buffers, indices), indices, esparsos_,
                              tamanho_indice_esparso_, tamanho_indice_esparso_);
    const dom::object valores = esparso["values"];
    valores_esparsos_ = bloco(vista(documento, buffers, valores), valores, esparsos_,
                              tamanho_elemento_, tamanho_elemento_);
    // increasing and below count, so that a lookup may halve its way to an element
    std::uint64_t anterior = 0;
    for (std::uint64_t k = 0; k < esparsos_; ++k) {
        const std::uint64_t atual = inteiro_sem_sinal(
            indices_esparsos_ + k * tamanho_indice_esparso_, tamanho_indice_esparso_);
        if (atual >= quantos_ || (k > 0 && atual <= anterior)) recusa(ARQUIVO_COM_PROBLEMAS);
        anterior = atual;
    }
}

const char* Acessor::elemento(std::uint64_t i) const {
    if (esparsos_ > 0) {
        std::uint64_t baixo = 0, alto = esparsos_;
        while (baixo < alto) {
            const std::uint64_t meio = baixo + (alto - baixo) / 2;
            const std::uint64_t valor = inteiro_sem_sinal(
                indices_esparsos_ + meio * tamanho_indice_esparso_, tamanho_indice_esparso_);
            if (valor == i) return valores_esparsos_ + meio * tamanho_elemento_;
            if (valor < i)
                baixo = meio + 1;
            else
                alto = meio;
        }
    }
    return dados_ == nullptr ? nullptr : dados_ + i * passo_;
}

std::array<double, 3> Acessor::posicao(std::uint64_t i) const {
    const char* dados = elemento(i);
    if (dados == nullptr) return {0, 0, 0};
    return {valor_binario<float>(dados, std::endian::little),
            valor_binario<float>(dados + 4, std::endian::little),
            valor_binario<float>(dados + 8, std::endian::little)};
}

std::uint64_t Acessor::indice(std::uint64_t i) const {
    const char* dados = elemento(i);
    return dados == nullptr ? 0 : inteiro_sem_sinal(dados, tamanho_componente_);
}

Acessores::Acessores(const Documento& documento, const Buffers& buffers)
    : documento_(documento), buffers_(buffers), posicoes_(documento.acessores.size()),
      indices_(documento.acessores.size()) {}

const Acessor& Acessores::pega(dom::element numero, Uso uso) {
    const std::size_t i = indice(numero, documento_.acessores.size());
    std::optional<Acessor>& acessor = (uso == Uso::posicoes ? posicoes_ : indices_)[i];
    if (!acessor) acessor.emplace(documento_, buffers_, i, uso);
    return *acessor;
}

} // namespace quindra::gltf
