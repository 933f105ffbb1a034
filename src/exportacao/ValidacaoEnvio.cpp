#include "ValidacaoEnvio.h"

#include "app/ServicosOperadora.h"

namespace kelpa {

ValidacaoEnvio validacaoEnvioPadrao(const QSqlDatabase &db, const QString &codOper)
{
    return [db, codOper] {
        // The validation run goes here, before the gate is read.
        return ServicosOperadora(db, codOper).TransmissaoPermitida();
    };
}

} // namespace kelpa
