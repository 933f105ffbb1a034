#pragma once

#include <QString>

namespace kelpa {

// The export definitions are kept as SQL text in the repository
// (db/exportacao/definicoes.sql) and shipped as an enciphered SQLite file.
namespace DefinicoesExportacao {

// Builds a SQLite database from the SQL script `sql` and enciphers it into `cifrado`
// with the definitions' password; the plain database is a temporary file removed on
// every path. Throws ErroBanco.
void montar(const QString &sql, const QString &cifrado);

// Only the plain SQLite file `destino` (replaced when not empty), for tools and tests.
void montarBase(const QString &sql, const QString &destino);

// Enciphers or deciphers a whole file with the definitions' password. Throws ErroBanco.
void cifrar(const QString &origem, const QString &destino);
void decifrar(const QString &origem, const QString &destino);

} // namespace DefinicoesExportacao

} // namespace kelpa
