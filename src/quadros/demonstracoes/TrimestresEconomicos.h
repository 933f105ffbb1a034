#pragma once

#include <QDate>
#include <QLatin1StringView>
#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace kelpa {

// The quarters of the economic-financial quadros: their list, the first one, and a
// new one with every value row its quadros need.
namespace TrimestresEconomicos {

// The operator's quarters (QUADRORECEITASDESPESASUF), newest first.
QList<QDate> Lista(const QSqlDatabase &db, const QString &codOper);

// For an operator without quarters: creates the quarter of its earliest registration
// period (never before `piso`) with its common and value rows, in one transaction.
// Returns it; null when the operator has no registration or already has quarters.
// Throws ErroBanco when the database refuses.
QDate CriaPeriodoInicial(const QSqlDatabase &db, const QString &codOper, const QDate &piso = QDate(2001, 1, 1));

// Creates a quarter's common rows and then its value rows (the chart of accounts and,
// from 2006, the cash flow and the ages of balances; Quadro 8 also seeds the
// accumulated balances), in one transaction. False when the database refused;
// nothing is then left half-done.
bool IncluiNovoTrimestre(const QSqlDatabase &db, const QString &codOper, const QDate &trimestre,
                         bool comSaldoAcumulado = false);

// Gives the operator's quarter its one row in `tabela` (a quadro with a row per
// quarter), flag "N" and "N" in `colunaComN` when one is named, unless it has one;
// in one transaction. Throws ErroBanco when the database refuses.
void GarantirLinha(const QSqlDatabase &db, QLatin1StringView tabela, const QString &codOper, const QDate &trimestre,
                   QLatin1StringView colunaComN = {});

// Writes `valores` (column, value; a null value empties the column) into the
// operator's quarter row of `tabela`, with the transmission rule applied to
// `estadoAtual`; returns the state written. The column names come from the code.
QString GravarLinha(const QSqlDatabase &db, QLatin1StringView tabela, const QString &codOper, const QDate &trimestre,
                    const QList<QPair<QString, QVariant>> &valores, const QString &estadoAtual);

} // namespace TrimestresEconomicos

} // namespace kelpa
