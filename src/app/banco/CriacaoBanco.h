#pragma once

#include <QSqlDatabase>
#include <QString>

namespace kelpa {

// Builds a new KELPA database from the schema and starting rows kept as text in the
// repository (and embedded in the programs).
class CriacaoBanco
{
public:
    // Creates `arquivo`; throws ErroBanco when it already exists or anything fails.
    // The file is built under a temporary name and moved into place only when
    // complete, so a failure never leaves a half-made database behind.
    static void criar(const QString &arquivo);

    // Runs the schema and loads the starting rows into an open, empty database.
    static void popular(const QSqlDatabase &db);

    // Splits a script into statements at semicolons outside quotes and comments.
    static QStringList separarComandos(const QString &script);
    // Loads one CSV text (header = column names) into `tabela`.
    static int carregarCsv(const QSqlDatabase &db, const QString &tabela, const QString &texto);
};

} // namespace kelpa
