#include "PassosValidacao.h"

#include "TfrmAvisoValidPlnContas.h"
#include "TfrmErrosValidacao.h"
#include "TfrmValida_Dados.h"
#include "app/banco/ErroBanco.h"
#include "validacao/GravacaoConstatacoes.h"

namespace kelpa::validacao {

bool ExecutaValidacao(const QSqlDatabase &db, const QString &codOper, bool operadoraDePlanos, QWidget *pai)
{
    TfrmValida_Dados janela(db, codOper, operadoraDePlanos, pai);
    janela.exec();
    if (!janela.resultado().concluida)
        return false;
    try {
        return GravacaoConstatacoes::EnvioLiberado(db, codOper);
    } catch (const ErroBanco &) {
        return false;
    }
}

void MostraAvisoPlanoContas(const QSqlDatabase &db, const QString &codOper, QWidget *pai)
{
    TfrmAvisoValidPlnContas aviso(db, pai);
    aviso.setCodOper(codOper);
    aviso.exec();
}

void MostraErrosValidacao(QWidget *pai)
{
    TfrmErrosValidacao aviso(pai);
    aviso.exec();
}

} // namespace kelpa::validacao
