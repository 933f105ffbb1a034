#include "AvisoPlanoContas.h"

#include "GravacaoConstatacoes.h"
#include "app/ServicosOperadora.h"
#include "app/banco/Transacao.h"

#include <QStringList>

namespace kelpa::validacao {

QString AvisoPlanoContas::texto()
{
    const QStringList linhas{
        QStringLiteral(" Foi detectado pelo sistema, que o 1º Trimestre de 2007 (Quadros 11:ATIVO, 12:PASSIVO E 13:DRE), "),
        QStringLiteral(" não foi criado através do KELPA 2007. Sendo assim, NÃO será possível transmitir seus dados ou gerar "),
        QStringLiteral(" disquete com os dados de sua Operadora. "),
        QStringLiteral(" Abaixo, passo a passo para solucionar o problema: "),
        QString(31, u' '),
        QStringLiteral("   a) Abra qualquer um quadro a partir do Quadro:8 (Módulo Econômico-Financeiro); "),
        QStringLiteral("   b) Escolha a opção \"Exclui último período\"; "),
        QStringLiteral("   c) Confirme a exclusão do período; "),
        QStringLiteral("   d) Crie o 1º Trimestre de 2007. "),
        QString(60, u' '),
        QStringLiteral(" A partir deste momento, as novas contas de ATIVO, PASSIVO e DRE estarão disponíveis para lançamentos. "),
    };
    return linhas.join(QStringLiteral("\n\r"));
}

void AvisoPlanoContas::registrarBloqueio(const QSqlDatabase &db, const QString &codOper)
{
    const GravacaoConstatacoes gravacao(db, codOper);
    Transacao transacao(db);
    gravacao.apagarTodas();
    gravacao.inserir(99999, QStringLiteral("-1"), QStringLiteral("Plano de Contas 2006 Erro"), QStringLiteral("0"),
                     QStringLiteral("1"), QString());
    transacao.confirmar();
}

bool AvisoPlanoContas::Bloqueia(const QSqlDatabase &db, const QString &codOper)
{
    return ServicosOperadora(db, codOper).BloqueiaPorPlanoContas();
}

} // namespace kelpa::validacao
