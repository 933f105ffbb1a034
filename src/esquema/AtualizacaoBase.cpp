#include "AtualizacaoBase.h"

namespace kelpa {

AtualizacaoBase::Resultado AtualizacaoBase::executar(const QSqlDatabase &db)
{
    Q_UNUSED(db);
    // Databases created by this version need no upgrade; older versions are
    // brought forward by the schema upgrade and the data migration.
    return {};
}

} // namespace kelpa
