#pragma once

#include <QSqlDatabase>

namespace kelpa {

// Brings a database of an older version up to the current schema and data. Runs
// after every connection, before anything else reads the database.
class AtualizacaoBase
{
public:
    struct Resultado {
        // The schema was changed by this run: the sending actions stay disabled
        // until the main window next re-enables its actions.
        bool baseAtualizada = false;
    };

    static Resultado executar(const QSqlDatabase &db);
};

} // namespace kelpa
