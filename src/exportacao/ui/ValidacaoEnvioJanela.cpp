#include "ValidacaoEnvioJanela.h"

#include "app/Utilitarios.h"
#include "validacao/ui/PassosValidacao.h"

namespace kelpa {

bool validarParaEnvio(const QSqlDatabase &db, const QString &codOper, QWidget *pai)
{
    // The same window as the main window's "Validação": the user sees the run and
    // its findings before being told that sending stops.
    const bool aberto = validacao::ExecutaValidacao(db, codOper, EhOperadoraDePlanos(codOper), pai);
    if (!aberto)
        avisarErrosGravesValidacao(pai);
    return aberto;
}

void avisarErrosGravesValidacao(QWidget *pai)
{
    validacao::MostraErrosValidacao(pai);
}

} // namespace kelpa
