#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>

namespace kelpa {
class Consulta;
}

namespace kelpa::relatorios {

// A registration quadro keeps one set of rows per period; its report prints the set
// whose DT_INIC_VIGN is the newest one on or before the chosen date. Every row of
// that date, and only those: a "first row, newest first" read would keep one row of
// a period with several (or, on other engines, mix two periods).
class PeriodoEmVigor
{
public:
    // The start of the period in force on `data` (the newest period when `data` is
    // null); null when the operator has no period then.
    static QDate inicio(const QSqlDatabase &db, const QString &tabela, const QString &operadora, const QDate &data);

    // The condition that keeps the rows of the period in force, for a statement's WHERE:
    // "<alias.>DT_INIC_VIGN = (SELECT MAX(DT_INIC_VIGN) FROM <tabela> WHERE CD_OPER = :CDOPER
    //  AND DT_INIC_VIGN <= :DTVIGN)". Bind both parameters with vincular().
    static QString filtro(const QString &tabela, const QString &alias = {});
    static void vincular(Consulta &consulta, const QString &operadora, const QDate &data);

    // Table and alias names are formatted into statements: only plain identifiers
    // pass. Throws ErroBanco otherwise.
    static QString identificador(const QString &nome);

    // The quarter a quarterly report prints: the one that holds `data`, or, when no
    // date was chosen, the operator's newest quarter (null when it has none).
    static QDate trimestre(const QSqlDatabase &db, const QString &operadora, const QDate &data);
};

} // namespace kelpa::relatorios
