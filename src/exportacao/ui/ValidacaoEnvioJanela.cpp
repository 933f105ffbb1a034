#include "ValidacaoEnvioJanela.h"

#include "app/ui/MensagemDlg.h"
#include "exportacao/ValidacaoEnvio.h"

namespace kelpa {

bool validarParaEnvio(const QSqlDatabase &db, const QString &codOper, QWidget *pai)
{
    const bool aberto = validacaoEnvioPadrao(db, codOper)();
    if (!aberto)
        avisarErrosGravesValidacao(pai);
    return aberto;
}

void avisarErrosGravesValidacao(QWidget *pai)
{
    MensagemDlg(QStringLiteral("Existem erros graves de validação."), TipoMensagem::Cuidado, BotaoMensagem::Ok, {},
                QStringLiteral("AVISO"), pai);
}

} // namespace kelpa
