#include "RegrasResumo.h"

#include "ComparacaoValores.h"
#include "LeitorContas.h"
#include "app/banco/Consulta.h"

#include <map>

namespace kelpa::validacao {

namespace {

const QDate kInicioResumos(2003, 1, 1);

} // namespace

void RegraEventosContraResumo::verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const
{
    // Quarters whose header row exists, with the summary's totals.
    Consulta resumo(ctx.db, QStringLiteral("SELECT DT_INIC_VIGN, VL_DESP_HOSP_TOT, VL_DESP_MED_TOT, VL_DESP_ODON_TOT "
                                           "FROM QUADRORECEITASDESPESASUF WHERE CD_OPER = :CDOPER "
                                           "AND DT_INIC_VIGN >= :INICIO ORDER BY DT_INIC_VIGN"));
    resumo.bind(QStringLiteral(":CDOPER"), ctx.codOper).bind(QStringLiteral(":INICIO"), kInicioResumos);
    resumo.executar();
    std::map<QDate, Moeda> totaisResumo;
    while (resumo.proxima()) {
        const QDate periodo = resumo.data(QStringLiteral("DT_INIC_VIGN"));
        if (!periodo.isValid() || totaisResumo.count(periodo))
            continue;
        totaisResumo[periodo] = Moeda::doBanco(resumo.valor(1)) + Moeda::doBanco(resumo.valor(2))
                                + Moeda::doBanco(resumo.valor(3));
    }
    ctx.avancar();

    // The states' events of the same quarters, added up in ten-thousandths.
    Consulta eventos(ctx.db, QStringLiteral("SELECT DT_INIC_VIGN, VL_DESP_MEDC_PRE, VL_DESP_MEDC_OUTR, "
                                            "VL_DESP_MEDC_PRE_ODON, VL_DESP_MEDC_OUTR_ODON FROM RECEITASDESPESASUF "
                                            "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN >= :INICIO"));
    eventos.bind(QStringLiteral(":CDOPER"), ctx.codOper).bind(QStringLiteral(":INICIO"), kInicioResumos);
    eventos.executar();
    std::map<QDate, Moeda> totaisEstados;
    while (eventos.proxima()) {
        const QDate periodo = eventos.data(QStringLiteral("DT_INIC_VIGN"));
        Moeda &total = totaisEstados[periodo];
        for (int c = 1; c <= 4; ++c)
            total += Moeda::doBanco(eventos.valor(c));
    }
    ctx.avancar();

    // Only quarters that have both sides are compared.
    for (const auto &[periodo, estados] : totaisEstados) {
        const auto resumoDoPeriodo = totaisResumo.find(periodo);
        if (resumoDoPeriodo == totaisResumo.end())
            continue;
        if (ComparacaoValores::diferemExatamente(estados, resumoDoPeriodo->second))
            constatacoes << constatacao(QStringLiteral("09"),
                                        QStringLiteral("O Total Geral de Eventos Indenizáveis Líquidos do Trimestre "
                                                       "(Quadro 9) está DIFERENTE do Total Geral - Resumo Eventos "
                                                       "Indenizáveis Líquidos do Trimestre (Quadro 9A)"),
                                        periodo, estados, resumoDoPeriodo->second);
    }
}

void RegraProvisoesTecnicas::verificar(const ContextoValidacao &ctx, QList<Constatacao> &constatacoes) const
{
    Consulta provisoes(ctx.db, QStringLiteral("SELECT DISTINCT DT_INIC_VIGN, VL_PROV_RISCO, VL_PROV_OPER, VL_PROV_OUTR, "
                                              "VL_PROV_EVEN_IBNR FROM PROVISOESTECNICAS WHERE CD_OPER = :CDOPER "
                                              "AND DT_INIC_VIGN >= :DTVIGNLIBERACAO ORDER BY DT_INIC_VIGN"));
    provisoes.bind(QStringLiteral(":CDOPER"), ctx.codOper).bind(QStringLiteral(":DTVIGNLIBERACAO"), kInicioResumos);
    provisoes.executar();
    LeitorContas contas(ctx.db, ctx.codOper, LeitorContas::Todas);
    while (provisoes.proxima()) {
        ctx.avancar();
        const QDate periodo = provisoes.data(QStringLiteral("DT_INIC_VIGN"));
        const LeitorContas::Leitura balanco = contas.ler(periodo, {QStringLiteral("20100"), QStringLiteral("20480")});
        // A quarter without these lines in its balance sheet is not compared.
        if (!balanco.encontrada)
            continue;
        Moeda quadro14;
        for (int c = 1; c <= 4; ++c)
            quadro14 += Moeda::doBanco(provisoes.valor(c));
        if (ComparacaoValores::diferemExatamente(balanco.soma, quadro14))
            constatacoes << constatacao(QStringLiteral("12"),
                                        QStringLiteral("O somatório de PROVISÕES TÉCNICAS + Provisão de Eventos Ocorridos "
                                                       "e Não Avisados - Passivo (Quadro 12) está DIFERENTE do Total Geral "
                                                       "de Provisões Técnicas (Quadro 14)"),
                                        periodo, balanco.soma, quadro14);
    }
}

} // namespace kelpa::validacao
