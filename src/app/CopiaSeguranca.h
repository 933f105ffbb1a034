#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

namespace kelpa {

// The backup of the whole database as one gzip file, and its restore. The backup is
// a consistent snapshot taken through the open connection, so it needs no one to
// close the database; the restore never writes over the database until the backup
// has been expanded completely and opens as a KELPA database.
class CopiaSeguranca
{
public:
    // "Kelpa" + yyyyMMddHHmmss + ".BKP".
    static QString nomeArquivo(const QDateTime &momento);
    static QString mensagemBackupInvalido() { return QStringLiteral("Diretório especificado não possui um Backup válido"); }

    // Writes the backup of the database open on `db` into `diretorio` (an earlier
    // file of the same name is replaced) and returns its path. Throws ErroBanco.
    static QString gerar(const QSqlDatabase &db, const QString &diretorio, const QDateTime &momento);

    // Replaces `arquivoBanco` with the database kept in `arquivoBackup`; the database
    // must not be open. A missing, damaged or foreign file throws ErroBanco with
    // `mensagemBackupInvalido()` and leaves the database as it was.
    static void restaurar(const QString &arquivoBackup, const QString &arquivoBanco);
};

} // namespace kelpa
