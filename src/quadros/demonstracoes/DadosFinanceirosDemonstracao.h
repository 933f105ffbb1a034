#pragma once

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace kelpa {

// The financial quadros of the demo operator: two quarters an accountant would sign,
// the fourth of 2006 (chart of accounts before 2007) and the first of 2007 (current
// chart). Assets equal liabilities, the net result feeds the accumulated results, the
// receivables and payables agree with the ages of balances, the cash flow ends on the
// balance of Caixa and Bancos, and Quadro 8 agrees with the net consideration.
class DadosFinanceirosDemonstracao
{
public:
    static QList<QDate> trimestres() { return {QDate(2006, 10, 1), QDate(2007, 1, 1)}; }

    // Fills both quarters in one transaction; throws ErroBanco on failure. The
    // operator needs a registration period to have quarters: when it has none, a
    // minimal one is recorded from the official list (LISTAOPERADORAS).
    static void criar(const QSqlDatabase &db, const QString &codOper);
};

} // namespace kelpa
