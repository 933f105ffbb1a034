#include "RegrasBalanco.h"

#include "ComparacaoValores.h"
#include "LeitorContas.h"

namespace kelpa::validacao {

void RegraTotalAtivoPassivo::verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const
{
    const QString ativo = QStringLiteral("19000");
    const QString passivo = QStringLiteral("29000");
    LeitorContas contas(ctx.db, ctx.codOper, LeitorContas::Todas);
    for (const QDate &periodo : ctx.periodos) {
        ctx.avancar();
        const LeitorContas::Leitura l = contas.ler(periodo, {ativo, passivo});
        const Moeda totalAtivo = l.conta(ativo);
        const Moeda totalPassivo = l.conta(passivo);
        if (ComparacaoValores::diferemEmDuasCasas(totalAtivo, totalPassivo))
            constatacoes << constatacao(QStringLiteral("11"),
                                        QStringLiteral("O Total do ATIVO (Quadro 11) está DIFERENTE do Total do PASSIVO (Quadro 12)"),
                                        periodo, totalAtivo, totalPassivo);
        if (periodo.year() > 2004 && totalAtivo.zero())
            constatacoes << constatacao(QStringLiteral("11"),
                                        QStringLiteral("O Total do ATIVO (Quadro 11) NÃO PODE SER IGUAL A ZERO"), periodo);
        if (periodo.year() > 2004 && totalPassivo.zero())
            constatacoes << constatacao(QStringLiteral("12"),
                                        QStringLiteral("O Total do PASSIVO (Quadro 12) NÃO PODE SER IGUAL A ZERO"), periodo);
    }
}

void RegraCompensacao::verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const
{
    const QString ativo = QStringLiteral("19100");
    const QString passivo = QStringLiteral("29100");
    LeitorContas contas(ctx.db, ctx.codOper, LeitorContas::DoPlanoDeContas);
    for (const QDate &periodo : ctx.periodos) {
        ctx.avancar();
        const LeitorContas::Leitura l = contas.ler(periodo, {ativo, passivo});
        if (ComparacaoValores::diferemExatamente(l.conta(ativo), l.conta(passivo)))
            constatacoes << constatacao(QStringLiteral("11"),
                                        QStringLiteral("O Valor da compensação do ATIVO (Quadro 11) está DIFERENTE do "
                                                       "valor da compensação do PASSIVO (Quadro 12)"),
                                        periodo, l.conta(ativo), l.conta(passivo));
    }
}

} // namespace kelpa::validacao
