#include "ListaValidacao.h"

#include "app/banco/Consulta.h"

#include <QRegularExpression>

namespace kelpa::relatorios {

namespace {

QList<ConstatacaoValidacao> ler(const QSqlDatabase &db, const QString &sql, const QString &operadora)
{
    Consulta q(db, sql);
    q.bind(QStringLiteral(":CDOPER"), operadora);
    q.executar();
    QList<ConstatacaoValidacao> lista;
    while (q.proxima())
        lista.append({q.inteiro(QStringLiteral("NR_VLDC_SEQL")), q.texto(QStringLiteral("DE_VLDC_QUAD_UM")),
                      q.texto(QStringLiteral("DE_PERI")), q.texto(QStringLiteral("DE_VLDC_TEXT_UM"))});
    return lista;
}

} // namespace

QList<ConstatacaoValidacao> ListaValidacao::erros(const QSqlDatabase &db, const QString &operadora)
{
    return ler(db,
               QStringLiteral("SELECT NR_VLDC_SEQL, DE_VLDC_QUAD_UM, DE_PERI, DE_VLDC_TEXT_UM FROM VALIDACAO "
                              "WHERE CD_OPER = :CDOPER AND TP_VLDC = '2' "
                              "AND ((DE_PERI = '') OR (DE_PERI IS NULL) OR (DE_PERI >= '20051')) "
                              "ORDER BY DE_PERI, NR_VLDC_SEQL"),
               operadora);
}

QList<ConstatacaoValidacao> ListaValidacao::avisos(const QSqlDatabase &db, const QString &operadora)
{
    return ler(db,
               QStringLiteral("SELECT NR_VLDC_SEQL, DE_VLDC_QUAD_UM, DE_PERI, DE_VLDC_TEXT_UM FROM VALIDACAO "
                              "WHERE CD_OPER = :CDOPER AND TP_VLDC = '2' AND DE_PERI < '20051' "
                              "AND DE_PERI <> '' AND DE_PERI IS NOT NULL "
                              "ORDER BY DE_PERI, NR_VLDC_SEQL"),
               operadora);
}

QString ListaValidacao::textoPeriodo(const QString &periodo)
{
    static const QRegularExpression anoTrimestre(QStringLiteral("^[0-9]{4}[1-4]$"));
    if (!anoTrimestre.match(periodo).hasMatch())
        return periodo.trimmed();
    return periodo.mid(4, 1) + QStringLiteral("º Trimestre de ") + periodo.left(4);
}

} // namespace kelpa::relatorios
