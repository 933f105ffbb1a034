#include "ValidacaoEnvio.h"

#include "app/Utilitarios.h"
#include "validacao/ValidacaoDados.h"

namespace kelpa {

ValidacaoEnvio validacaoEnvioPadrao(const QSqlDatabase &db, const QString &codOper)
{
    return [db, codOper] {
        // The stored findings alone are not enough: they are emptied at every
        // connection, so after a restart they would open the way unchecked.
        return validacao::ValidacaoDados(db, codOper, EhOperadoraDePlanos(codOper)).executar().envioLiberado;
    };
}

} // namespace kelpa
