#include "ContextoValidacao.h"

#include "app/ServicosOperadora.h"
#include "app/banco/Consulta.h"

namespace kelpa::validacao {

ContextoValidacao ContextoValidacao::ler(const QSqlDatabase &db, const QString &codOper, bool operadoraDePlanos)
{
    ContextoValidacao ctx;
    ctx.db = db;
    ctx.codOper = codOper;
    ctx.operadoraDePlanos = operadoraDePlanos;
    const ServicosOperadora servicos(db, codOper);
    ctx.modalidade = servicos.ModalidadeOperadora();
    ctx.submodalidade = servicos.SubmodalidadeOperadora();
    ctx.lerPeriodos();
    return ctx;
}

void ContextoValidacao::lerPeriodos()
{
    // One entry per quarter even if a header row was stored twice: a rule must not
    // report the same quarter twice.
    Consulta q(db, QStringLiteral("SELECT DISTINCT DT_INIC_VIGN FROM QUADRORECEITASDESPESASUF "
                                  "WHERE CD_OPER = :CDOPER ORDER BY DT_INIC_VIGN"));
    q.bind(QStringLiteral(":CDOPER"), codOper);
    q.executar();
    periodos.clear();
    while (q.proxima()) {
        const QDate data = q.data(QStringLiteral("DT_INIC_VIGN"));
        if (data.isValid())
            periodos.append(data);
    }

    Consulta desde2005(db, QStringLiteral("SELECT 1 FROM QUADRORECEITASDESPESASUF "
                                          "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN >= :DTVIGN LIMIT 1"));
    desde2005.bind(QStringLiteral(":CDOPER"), codOper).bind(QStringLiteral(":DTVIGN"), QDate(2005, 1, 1));
    temPeriodosDesde2005 = desde2005.primeira();
}

} // namespace kelpa::validacao
