#pragma once

#include <QSqlDatabase>

namespace kelpa {

class AlteracaoEsquema;
class Migracao;

// Brings a database of an older version up to the current schema and data. Runs
// after every connection, before anything else reads the database: first the
// schema (tables, columns and keys each version introduced, each added only when
// missing), then the data migration. Throws ErroBanco when a step fails; the steps
// already done stay done and are skipped by their existence tests next time.
class AtualizacaoBase
{
public:
    struct Resultado {
        // The database was older than 3.1.0: the sending actions stay disabled
        // until the main window next re-enables its actions.
        bool baseAtualizada = false;
    };

    static Resultado executar(const QSqlDatabase &db);
    // The same with the schema changes given (the installer and the tests pass their own).
    static Resultado executar(const QSqlDatabase &db, AlteracaoEsquema &alteracao);

    // The steps of the 3.0.x versions. True when the database is older than 3.1.0.
    static bool AtualizaVersao3(AlteracaoEsquema &alteracao, Migracao &migracao);
    // The cash-flow and ages-of-balance tables with their keys, and the long text of
    // the first validation text, for a database older than 4.0.0.
    static void AtualizaVersao4(AlteracaoEsquema &alteracao, Migracao &migracao);
};

} // namespace kelpa
