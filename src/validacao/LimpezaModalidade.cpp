#include "LimpezaModalidade.h"

#include "app/banco/Consulta.h"

namespace kelpa::validacao {

namespace {

// The start of the registration record in force for a row of `tabela`: the newest
// record for the newest quarter of Quadro 8's rows, otherwise the newest record not
// after the row's quarter. `tabela` is a program constant.
QString registroEmVigor(const QString &tabela)
{
    return QStringLiteral(
               "CASE WHEN %1.DT_INIC_VIGN = (SELECT MAX(R.DT_INIC_VIGN) FROM RECEITASDESPESASUF R WHERE R.CD_OPER = %1.CD_OPER) "
               "THEN (SELECT MAX(K.DT_INIC_VIGN) FROM CADASTRO K WHERE K.CD_OPER = %1.CD_OPER) "
               "ELSE (SELECT MAX(K.DT_INIC_VIGN) FROM CADASTRO K WHERE K.CD_OPER = %1.CD_OPER "
               "AND K.DT_INIC_VIGN <= %1.DT_INIC_VIGN) END")
        .arg(tabela);
}

// The registration in force for the row has a modality matching `condicao`.
QString modalidadeEmVigor(const QString &tabela, const QString &condicao)
{
    return QStringLiteral("EXISTS (SELECT 1 FROM CADASTRO B JOIN TP_MODALIDADE C ON C.CD_MODL = B.CD_MODL "
                          "WHERE B.CD_OPER = %1.CD_OPER AND B.DT_INIC_VIGN = (%2) AND %3)")
        .arg(tabela, registroEmVigor(tabela), condicao);
}

// Administrators and self-management report no revenue and expense quadros, except
// self-management not patronized by a sponsor.
const QString kSemReceitasDespesas = QStringLiteral("C.TP_RECT_BALN IN ('1','2') AND B.CD_SUBM <> 'NPATR'");

void executarComOperadora(const QSqlDatabase &db, const QString &sql, const QString &codOper)
{
    Consulta(db, sql).bind(QStringLiteral(":CDOPER"), codOper).executar();
}

} // namespace

void LimpezaModalidade::executar(const QSqlDatabase &db, const QString &codOper)
{
    zeraColunasMedicasOdontologicas(db, codOper);
    excluiReceitasDespesas(db, codOper);
    excluiDespesasComercializacao(db, codOper);
    excluiParticipacoesPulverizadas(db, codOper);
}

void LimpezaModalidade::zeraColunasMedicasOdontologicas(const QSqlDatabase &db, const QString &codOper)
{
    const QString t = QStringLiteral("RECEITASDESPESASUF");
    executarComOperadora(db,
                         QStringLiteral("UPDATE RECEITASDESPESASUF SET VL_RECT_PRE = NULL, VL_RECT_OUTR = NULL, "
                                        "VL_DESP_MEDC_PRE = NULL, VL_DESP_MEDC_OUTR = NULL "
                                        "WHERE CD_OPER = :CDOPER AND %1")
                             .arg(modalidadeEmVigor(t, QStringLiteral("C.LG_ODON = 'T'"))),
                         codOper);
}

void LimpezaModalidade::excluiReceitasDespesas(const QSqlDatabase &db, const QString &codOper)
{
    const QString t = QStringLiteral("RECEITASDESPESASUF");
    executarComOperadora(db,
                         QStringLiteral("DELETE FROM RECEITASDESPESASUF WHERE CD_OPER = :CDOPER AND %1")
                             .arg(modalidadeEmVigor(t, kSemReceitasDespesas)),
                         codOper);
}

void LimpezaModalidade::excluiDespesasComercializacao(const QSqlDatabase &db, const QString &codOper)
{
    const QString t = QStringLiteral("DESPESAS_COMERC_VALOR");
    executarComOperadora(db,
                         QStringLiteral("DELETE FROM DESPESAS_COMERC_VALOR WHERE CD_OPER = :CDOPER AND %1")
                             .arg(modalidadeEmVigor(t, kSemReceitasDespesas)),
                         codOper);
}

void LimpezaModalidade::excluiParticipacoesPulverizadas(const QSqlDatabase &db, const QString &codOper)
{
    // Every period whose shareholding is marked pulverized, however many there are.
    executarComOperadora(db,
                         QStringLiteral("DELETE FROM PARTICIPACOES WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN IN "
                                        "(SELECT Q.DT_INIC_VIGN FROM QUADROPARTICIPACOES Q "
                                        "WHERE Q.CD_OPER = :CDOPER AND Q.LG_PULV = 'T')"),
                         codOper);
}

} // namespace kelpa::validacao
