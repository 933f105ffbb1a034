#include "PeriodoEmVigor.h"

#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "quadros/base/Periodos.h"

#include <QRegularExpression>

namespace kelpa::relatorios {

namespace {

// A null date means "the newest period": any stored date is on or before this one.
QDate limite(const QDate &data)
{
    return data.isValid() ? data : QDate(9999, 12, 31);
}

} // namespace

QString PeriodoEmVigor::identificador(const QString &nome)
{
    static const QRegularExpression simples(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!simples.match(nome).hasMatch())
        throw ErroBanco(QStringLiteral("Nome de tabela inválido: %1").arg(nome));
    return nome;
}

QString PeriodoEmVigor::filtro(const QString &tabela, const QString &alias)
{
    const QString prefixo = alias.isEmpty() ? QString() : identificador(alias) + QLatin1Char('.');
    const QString t = identificador(tabela);
    return QStringLiteral("%1DT_INIC_VIGN = (SELECT MAX(V.DT_INIC_VIGN) FROM %2 V "
                          "WHERE V.CD_OPER = :CDOPER AND V.DT_INIC_VIGN <= :DTVIGN)")
        .arg(prefixo, t);
}

void PeriodoEmVigor::vincular(Consulta &consulta, const QString &operadora, const QDate &data)
{
    consulta.bind(QStringLiteral(":CDOPER"), operadora);
    consulta.bind(QStringLiteral(":DTVIGN"), limite(data));
}

QDate PeriodoEmVigor::inicio(const QSqlDatabase &db, const QString &tabela, const QString &operadora, const QDate &data)
{
    Consulta q(db, QStringLiteral("SELECT MAX(DT_INIC_VIGN) AS INICIO FROM %1 "
                                  "WHERE CD_OPER = :CDOPER AND DT_INIC_VIGN <= :DTVIGN")
                       .arg(identificador(tabela)));
    vincular(q, operadora, data);
    if (!q.primeira() || q.nulo(QStringLiteral("INICIO")))
        return {};
    return q.data(QStringLiteral("INICIO"));
}

QDate PeriodoEmVigor::trimestre(const QSqlDatabase &db, const QString &operadora, const QDate &data)
{
    if (data.isValid())
        return Periodos::InicioDoTrimestre(data);
    Consulta q(db, QStringLiteral("SELECT MAX(DT_INIC_VIGN) AS TRIMESTRE FROM QUADRORECEITASDESPESASUF "
                                  "WHERE CD_OPER = :CDOPER"));
    q.bind(QStringLiteral(":CDOPER"), operadora);
    if (!q.primeira() || q.nulo(QStringLiteral("TRIMESTRE")))
        return {};
    return q.data(QStringLiteral("TRIMESTRE"));
}

} // namespace kelpa::relatorios
