#include "RegrasResultado.h"

#include "ComparacaoValores.h"
#include "LeitorContas.h"
#include "app/banco/Consulta.h"

#include <QSqlRecord>

namespace kelpa::validacao {

namespace {

// The quarter's rows of the quadro from the first day of the year up to the quarter,
// with the amount each row adds to the quarter and to the year-to-date total.
struct SomaQuadro {
    Moeda trimestre;
    Moeda acumulado;
};

const char *const kColunasReceitas = "COALESCE(VL_RECT_PRE, 0), COALESCE(VL_RECT_PRE_ODON, 0), "
                                     "COALESCE(VL_RECT_OUTR, 0), COALESCE(VL_RECT_OUTR_ODON, 0)";
const char *const kColunasEventos = "COALESCE(VL_DESP_MEDC_PRE, 0), COALESCE(VL_DESP_MEDC_PRE_ODON, 0), "
                                    "COALESCE(VL_DESP_MEDC_OUTR, 0), COALESCE(VL_DESP_MEDC_OUTR_ODON, 0)";

} // namespace

QString RegraQuadroContraResultado::codigo() const
{
    switch (m_quadro) {
    case Contraprestacoes: return QStringLiteral("V1");
    case Eventos: return QStringLiteral("V2");
    case DespesasComercializacao: return QStringLiteral("V3");
    }
    return {};
}

QStringList RegraQuadroContraResultado::contasResultado(int ano) const
{
    switch (m_quadro) {
    case Contraprestacoes:
        return {ano > 2006 ? QStringLiteral("31001") : QStringLiteral("30200")};
    case Eventos:
        if (ano < 2003)
            return {QStringLiteral("30400")};
        if (ano <= 2006)
            return {QStringLiteral("30420"), QStringLiteral("30440"), QStringLiteral("30460")};
        return {QStringLiteral("32001"), QStringLiteral("32002"), QStringLiteral("32003")};
    case DespesasComercializacao:
        return {ano > 2006 ? QStringLiteral("34001") : QStringLiteral("30600")};
    }
    return {};
}

QString RegraQuadroContraResultado::mensagem(bool operadoraDePlanos) const
{
    switch (m_quadro) {
    case Contraprestacoes:
        return QStringLiteral("O Total Geral de %1 do Trimestre (Quadro 8) está DIFERENTE da conta de "
                              "Contraprestações Líquidas (Quadro 13)")
            .arg(operadoraDePlanos ? QStringLiteral("Contraprestações Líquidas") : QStringLiteral("Prêmios Retidos Líquidos"));
    case Eventos:
        return QStringLiteral("O Total Geral de %1 do Trimestre (Quadro 9) está DIFERENTE do somatório das contas "
                              "Eventos Indenizáveis + Recuperação de Eventos Indenizáveis + Recuperação de Despesas "
                              "com Eventos Indenizáveis (Quadro 13)")
            .arg(operadoraDePlanos ? QStringLiteral("Eventos Indenizáveis Líquidos")
                                   : QStringLiteral("Sinistros Indenizáveis Líquidos"));
    case DespesasComercializacao:
        return QStringLiteral("O Total Geral de Despesas de Comercialização do Trimestre (Quadro 10) está DIFERENTE "
                              "da conta de Despesas de Comercialização - Demonstrações do Resultado do Exercício "
                              "(Quadro 13)");
    }
    return {};
}

void RegraQuadroContraResultado::verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const
{
    QString sql;
    switch (m_quadro) {
    case Contraprestacoes:
    case Eventos:
        sql = QStringLiteral("SELECT DT_INIC_VIGN, 1 AS DO_TRIMESTRE, %1 FROM RECEITASDESPESASUF "
                             "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN >= :INICIOANO AND DT_INIC_VIGN <= :DTVIGN "
                             "AND LG_ALTR_TRAM <> 'T'")
                  .arg(QLatin1String(m_quadro == Contraprestacoes ? kColunasReceitas : kColunasEventos));
        break;
    case DespesasComercializacao:
        // The quarter's own amount counts the four selling-expense items; the year's
        // total also the two items of agents' commissions.
        sql = QStringLiteral("SELECT DT_INIC_VIGN, CASE WHEN CD_DESPESA IN ('010','020','030','040') THEN 1 ELSE 0 END "
                             "AS DO_TRIMESTRE, COALESCE(VL_DESPESA, 0) FROM DESPESAS_COMERC_VALOR "
                             "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN >= :INICIOANO AND DT_INIC_VIGN <= :DTVIGN "
                             "AND LG_ALTR_TRAM <> 'T' AND CD_DESPESA IN ('010','020','030','040','025','045')");
        break;
    }
    Consulta quadro(ctx.db, sql);
    LeitorContas resultado(ctx.db, ctx.codOper, LeitorContas::NaoTransmitidas);

    for (const QDate &periodo : ctx.periodos) {
        ctx.avancar();
        quadro.bind(QStringLiteral(":CDOPER"), ctx.codOper)
            .bind(QStringLiteral(":INICIOANO"), QDate(periodo.year(), 1, 1))
            .bind(QStringLiteral(":DTVIGN"), periodo);
        quadro.executar();
        SomaQuadro soma;
        const int colunas = quadro.query().record().count();
        while (quadro.proxima()) {
            Moeda linha;
            for (int c = 2; c < colunas; ++c)
                linha += Moeda::doBanco(quadro.valor(c));
            soma.acumulado += linha;
            if (quadro.data(QStringLiteral("DT_INIC_VIGN")) == periodo && quadro.valor(1).toInt() == 1)
                soma.trimestre += linha;
        }
        if (soma.trimestre.zero())
            continue;

        const Moeda conta = resultado.ler(periodo, contasResultado(periodo.year())).soma.absoluto();
        const Moeda acumulado = m_quadro == DespesasComercializacao ? soma.acumulado.absoluto() : soma.acumulado;
        if (ComparacaoValores::diferemEmDuasCasas(acumulado, conta))
            constatacoes << constatacao(m_quadro == Contraprestacoes ? QStringLiteral("08")
                                        : m_quadro == Eventos        ? QStringLiteral("09")
                                                                     : QStringLiteral("10"),
                                        mensagem(ctx.operadoraDePlanos), periodo, acumulado, conta);
    }
}

} // namespace kelpa::validacao
