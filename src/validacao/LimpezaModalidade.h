#pragma once

#include <QSqlDatabase>
#include <QString>

namespace kelpa::validacao {

// Before the checks, the operator's quarters lose what its modality does not report:
// dental operators the medical columns of Quadros 8 and 9; administrators and
// self-management (other than the non-patronized) their Quadros 8, 9 and 10 rows;
// and a pulverized shareholding its list of shareholders. Each quarter is judged by
// the registration in force: the newest quarter by the newest registration, older
// ones by the newest registration not after them. These changes are permanent.
class LimpezaModalidade
{
public:
    // Runs the four clean-ups in order, inside the caller's transaction. Throws ErroBanco.
    static void executar(const QSqlDatabase &db, const QString &codOper);

    static void zeraColunasMedicasOdontologicas(const QSqlDatabase &db, const QString &codOper);
    static void excluiReceitasDespesas(const QSqlDatabase &db, const QString &codOper);
    static void excluiDespesasComercializacao(const QSqlDatabase &db, const QString &codOper);
    static void excluiParticipacoesPulverizadas(const QSqlDatabase &db, const QString &codOper);
};

} // namespace kelpa::validacao
