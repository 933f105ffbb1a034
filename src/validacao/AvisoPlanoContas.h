#pragma once

#include <QSqlDatabase>
#include <QString>

namespace kelpa::validacao {

// What the chart-of-accounts notice says and records when the operator's first
// quarter of 2007 was not created with the 2007 chart of accounts: the steps to
// recreate it, and a blocking finding of its own that keeps sending closed.
class AvisoPlanoContas
{
public:
    // The notice, line by line, each line but the last followed by "\n\r".
    static QString texto();

    // Replaces the operator's findings with the notice's blocking finding (sequence
    // 99999, type "1", no period), in one transaction. Throws ErroBanco.
    static void registrarBloqueio(const QSqlDatabase &db, const QString &codOper);

    // The chart-of-accounts gate: the operator's 2007 quarters use a chart that does
    // not belong to them and the operator is not exempt from the chart of accounts.
    static bool Bloqueia(const QSqlDatabase &db, const QString &codOper);
};

} // namespace kelpa::validacao
