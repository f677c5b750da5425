// The messages of loading an object, whatever its file format: 45 blanks on success, otherwise
// the text of the first failure.
#pragma once

#include <string>

namespace quindra {

inline const std::string MENSAGEM_SUCESSO_OBJETO(45, ' ');
inline const std::string ERRO_ABERTURA_ARQUIVO = "Erro na Abertura do Arquivo";
inline const std::string ARQUIVO_COM_PROBLEMAS = "Arquivo com problemas.";
inline const std::string OBJETO_SEM_FACES = "Objeto sem faces para serem mostradas.";
inline const std::string INCONSISTENCIAS_PONTOS = "Arquivo com inconsistências nos pontos.";
inline const std::string INCONSISTENCIAS_TRIANGULOS = "Arquivo com inconsistências nos triângulos.";
inline const std::string ARQUIVO_GRANDE_DEMAIS = "Arquivo grande demais para ser carregado.";
inline const std::string FORMATO_NAO_SUPORTADO = "Formato de arquivo não suportado.";

} // namespace quindra
