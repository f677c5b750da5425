#include "malhas/ply.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "geometry/numero_texto.hpp"
#include "malhas/binario.hpp"
#include "malhas/mensagens_carga.hpp"
#include "malhas/palavras.hpp"
#include "malhas/ply_cabecalho.hpp"

namespace quindra {

namespace {

// The values of an ASCII body, one word each.
class ValoresAscii {
public:
    explicit ValoresAscii(std::string_view corpo) : palavras_(corpo), tamanho_(corpo.size()) {}

    std::size_t restantes() const { return tamanho_ - palavras_.posicao(); }
    // every value takes at least one character
    std::size_t menor_tamanho(TipoPly) const { return 1; }
    bool le_real(TipoPly, double& valor) { return le_real_decimal(palavras_.proxima(), valor); }
    bool le_inteiro(TipoPly, std::int64_t& valor) {
        int lido;
        if (!le_inteiro_decimal(palavras_.proxima(), lido)) return false;
        valor = lido;
        return true;
    }
    bool pula(TipoPly, std::uint64_t quantos) {
        for (std::uint64_t i = 0; i < quantos; ++i)
            if (palavras_.proxima().empty()) return false;
        return true;
    }

private:
    Palavras palavras_;
    std::size_t tamanho_;
};

// The values of a binary body, each stored in its type's size and the file's byte order.
class ValoresBinarios {
public:
    ValoresBinarios(std::string_view corpo, std::endian ordem) : corpo_(corpo), ordem_(ordem) {}

    std::size_t restantes() const { return corpo_.size() - posicao_; }
    std::size_t menor_tamanho(TipoPly tipo) const { return tamanho_binario(tipo); }
    bool le_real(TipoPly tipo, double& valor) {
        if (restantes() < tamanho_binario(tipo)) return false;
        valor = converte(tipo, corpo_.data() + posicao_);
        posicao_ += tamanho_binario(tipo);
        return std::isfinite(valor);
    }
    bool le_inteiro(TipoPly tipo, std::int64_t& valor) {
        double real;
        // every integer type fits a double exactly; a float stored here is no count or index
        if (tipo == TipoPly::float32 || tipo == TipoPly::float64 || !le_real(tipo, real))
            return false;
        valor = static_cast<std::int64_t>(real);
        return true;
    }
    bool pula(TipoPly tipo, std::uint64_t quantos) {
        if (quantos > restantes() / tamanho_binario(tipo)) return false;
        posicao_ += quantos * tamanho_binario(tipo);
        return true;
    }

private:
    double converte(TipoPly tipo, const char* dados) const {
        switch (tipo) {
        case TipoPly::int8:
            return valor_binario<std::int8_t>(dados, ordem_);
        case TipoPly::uint8:
            return valor_binario<std::uint8_t>(dados, ordem_);
        case TipoPly::int16:
            return valor_binario<std::int16_t>(dados, ordem_);
        case TipoPly::uint16:
            return valor_binario<std::uint16_t>(dados, ordem_);
        case TipoPly::int32:
            return valor_binario<std::int32_t>(dados, ordem_);
        case TipoPly::uint32:
            return valor_binario<std::uint32_t>(dados, ordem_);
        case TipoPly::float32:
            return valor_binario<float>(dados, ordem_);
        case TipoPly::float64:
            return valor_binario<double>(dados, ordem_);
        }
        return 0;
    }

    std::string_view corpo_;
    std::endian ordem_;
    std::size_t posicao_ = 0;
};

constexpr std::string_view NOMES_DOS_EIXOS[] = {"x", "y", "z"};

// The message of an element whose values are missing or malformed.
const std::string& falha_do_elemento(const ElementoPly& elemento) {
    if (elemento.nome == "vertex") return INCONSISTENCIAS_PONTOS;
    if (elemento.nome == "face" || elemento.nome == "tristrips") return INCONSISTENCIAS_TRIANGULOS;
    return ARQUIVO_COM_PROBLEMAS;
}

// The position of a property in its element, or the number of properties when it has none of
// those names.
std::size_t posicao_de(const ElementoPly& elemento, std::initializer_list<std::string_view> nomes) {
    const auto& p = elemento.propriedades;
    return static_cast<std::size_t>(
        std::ranges::find_if(p,
                             [&](const PropriedadePly& prop) {
                                 return std::ranges::find(nomes, prop.nome) != nomes.end();
                             }) -
        p.begin());
}

// The triangles of a strip, made as its point numbers arrive: each number after the first two
// closes a triangle with the two before it, every other one with those two swapped so that all
// keep the winding of the first.
class Tira {
public:
    void recomeca() { numeros_ = 0; }

    /// Appends the triangle a 1-based point number closes, unless two of its corners are one
    /// point, as where strips are joined; false when it would not fit (cabe).
    bool acrescenta(std::int32_t c, MalhaLida& lida) {
        const std::int32_t a = penultimo_, b = ultimo_;
        const bool fecha = numeros_ >= 2 && a != b && b != c && a != c;
        const bool impar = numeros_ % 2 == 1;
        penultimo_ = b, ultimo_ = c, ++numeros_;
        if (!fecha) return true;
        return impar ? lida.acrescenta_triangulo(b, a, c) : lida.acrescenta_triangulo(a, b, c);
    }

private:
    std::int32_t penultimo_ = 0, ultimo_ = 0;
    std::size_t numeros_ = 0; // of the current strip so far
};

// Reads the body with the reading rules of one kind of body.
template <typename Valores> class LeitorCorpo {
public:
    LeitorCorpo(Valores& valores, MalhaLida& lida) : valores_(valores), lida_(lida) {}

    const std::string* le(const CabecalhoPly& cabecalho) {
        const auto vertices = std::ranges::find(cabecalho.elementos, "vertex", &ElementoPly::nome);
        // faces are checked against the declared count, which the points must then fill
        num_pontos_ = vertices == cabecalho.elementos.end()
                          ? 0
                          : std::min<std::uint64_t>(vertices->quantos, LIMITE_ELEMENTOS);
        if (const ElementoPly* excessivo = alem_do_corpo(cabecalho))
            return &falha_do_elemento(*excessivo);
        for (const ElementoPly& elemento : cabecalho.elementos) {
            const bool lido = le_elemento(elemento);
            if (falha_) return falha_;
            if (!lido) return &falha_do_elemento(elemento);
        }
        return nullptr;
    }

private:
    bool le_elemento(const ElementoPly& elemento) {
        if (elemento.nome == "vertex") return le_pontos(elemento);
        if (elemento.nome == "face") return le_faces(elemento);
        if (elemento.nome == "tristrips") return le_listas(elemento, &LeitorCorpo::le_tiras);
        return pula_elemento(elemento);
    }

    // Fails the element with the message of a mesh beyond the budget.
    bool grande_demais() {
        falha_ = &ARQUIVO_GRANDE_DEMAIS;
        return false;
    }

    // The fewest bytes a record of the element takes: none when it has no properties.
    std::size_t menor_registro(const ElementoPly& elemento) const {
        std::size_t bytes = 0;
        for (const PropriedadePly& p : elemento.propriedades)
            bytes += valores_.menor_tamanho(p.contagem.value_or(p.tipo));
        return bytes;
    }

    // The first element whose count, after those before it, the body cannot hold: counts are
    // only claims, and none may drive a loop or a reservation beyond what the file holds.
    const ElementoPly* alem_do_corpo(const CabecalhoPly& cabecalho) const {
        std::size_t livres = valores_.restantes();
        for (const ElementoPly& elemento : cabecalho.elementos) {
            const std::size_t menor = menor_registro(elemento);
            if (menor == 0) continue;
            if (elemento.quantos > livres / menor) return &elemento;
            livres -= static_cast<std::size_t>(elemento.quantos) * menor;
        }
        return nullptr;
    }

    bool pula(const PropriedadePly& propriedade) {
        std::int64_t itens = 1;
        if (propriedade.contagem &&
            (!valores_.le_inteiro(*propriedade.contagem, itens) || itens < 0))
            return false;
        return valores_.pula(propriedade.tipo, static_cast<std::uint64_t>(itens));
    }

    // Time bounded by the bytes the element takes: records without properties take none.
    bool pula_elemento(const ElementoPly& elemento) {
        if (elemento.propriedades.empty()) return true;
        for (std::uint64_t i = 0; i < elemento.quantos; ++i)
            for (const PropriedadePly& p : elemento.propriedades)
                if (!pula(p)) return false;
        return true;
    }

    bool le_pontos(const ElementoPly& elemento) {
        const auto& propriedades = elemento.propriedades;
        // which coordinate each property holds: 0, 1 or 2 for x, y or z, 3 for none
        std::vector<int> eixo(propriedades.size(), 3);
        for (int e = 0; e < 3; ++e) {
            const std::size_t j = posicao_de(elemento, {NOMES_DOS_EIXOS[e]});
            if (j == propriedades.size() || propriedades[j].contagem) return false;
            eixo[j] = e;
        }
        if (!lida_.cabe(lida_.pontos.size() + elemento.quantos, lida_.triangulos.size()))
            return grande_demais();
        lida_.reserva(elemento.quantos, 0);
        for (std::uint64_t i = 0; i < elemento.quantos; ++i) {
            double xyz[3] = {0, 0, 0};
            for (std::size_t j = 0; j < propriedades.size(); ++j) {
                const bool lido = eixo[j] < 3 ? valores_.le_real(propriedades[j].tipo, xyz[eixo[j]])
                                              : pula(propriedades[j]);
                if (!lido) return false;
            }
            if (!lida_.acrescenta_ponto(xyz[0], xyz[1], xyz[2])) return grande_demais();
        }
        return true;
    }

    bool eh_ponto(std::int64_t indice) const {
        return indice >= 0 && static_cast<std::uint64_t>(indice) < num_pontos_;
    }

    bool le_poligono(const PropriedadePly& lista) {
        std::int64_t cantos;
        if (!valores_.le_inteiro(*lista.contagem, cantos) || cantos < 3) return false;
        if (static_cast<std::uint64_t>(cantos) > MAIOR_POLIGONO) return grande_demais();
        poligono_.clear();
        for (std::int64_t k = 0; k < cantos; ++k) {
            std::int64_t indice;
            if (!valores_.le_inteiro(lista.tipo, indice) || !eh_ponto(indice)) return false;
            poligono_.push_back(static_cast<std::int32_t>(indice + 1));
        }
        return lida_.acrescenta_poligono(poligono_) || grande_demais();
    }

    // Strips in one list, -1 ending each. How many triangles they make is known only once
    // read, so nothing is reserved: each triangle is checked against the budget as it comes.
    bool le_tiras(const PropriedadePly& lista) {
        std::int64_t itens;
        // a count the rest of the body cannot hold is refused before any index is read
        if (!valores_.le_inteiro(*lista.contagem, itens) || itens < 0 ||
            static_cast<std::uint64_t>(itens) >
                valores_.restantes() / valores_.menor_tamanho(lista.tipo))
            return false;
        Tira tira;
        for (std::int64_t k = 0; k < itens; ++k) {
            std::int64_t indice;
            if (!valores_.le_inteiro(lista.tipo, indice)) return false;
            if (indice == -1) {
                tira.recomeca();
            } else if (!eh_ponto(indice)) {
                return false;
            } else if (!tira.acrescenta(static_cast<std::int32_t>(indice + 1), lida_)) {
                return grande_demais();
            }
        }
        return true;
    }

    // Reads each record's point-index list with le_lista and skips its other properties.
    bool le_listas(const ElementoPly& elemento,
                   bool (LeitorCorpo::*le_lista)(const PropriedadePly&)) {
        const std::size_t indices = posicao_de(elemento, {"vertex_indices", "vertex_index"});
        const auto& propriedades = elemento.propriedades;
        if (indices == propriedades.size() || !propriedades[indices].contagem) return false;
        for (std::uint64_t i = 0; i < elemento.quantos; ++i)
            for (std::size_t j = 0; j < propriedades.size(); ++j)
                if (!(j == indices ? (this->*le_lista)(propriedades[j]) : pula(propriedades[j])))
                    return false;
        return true;
    }

    bool le_faces(const ElementoPly& elemento) {
        // every face makes one triangle at least; the points may still come after the faces
        if (!lida_.cabe(std::max<std::size_t>(lida_.pontos.size(), num_pontos_),
                        lida_.triangulos.size() + elemento.quantos))
            return grande_demais();
        lida_.reserva(0, elemento.quantos);
        return le_listas(elemento, &LeitorCorpo::le_poligono);
    }

    Valores& valores_;
    MalhaLida& lida_;
    std::uint64_t num_pontos_ = 0;
    std::vector<std::int32_t> poligono_;
    // a failure whose message is not the element's own
    const std::string* falha_ = nullptr;
};

template <typename Valores>
std::string le_corpo(const CabecalhoPly& cabecalho, Valores valores, MalhaLida& lida) {
    const std::string* falha = LeitorCorpo<Valores>(valores, lida).le(cabecalho);
    return falha ? *falha : MENSAGEM_SUCESSO_OBJETO;
}

} // namespace

std::string le_ply(std::string_view bytes, MalhaLida& lida) {
    CabecalhoPly cabecalho;
    if (const std::string* falha = le_cabecalho_ply(bytes, cabecalho)) return *falha;
    const std::string_view corpo = bytes.substr(cabecalho.inicio_corpo);
    if (cabecalho.ascii) return le_corpo(cabecalho, ValoresAscii(corpo), lida);
    return le_corpo(cabecalho, ValoresBinarios(corpo, cabecalho.ordem), lida);
}

} // namespace quindra
