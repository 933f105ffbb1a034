#pragma once

#include <QSqlDatabase>
#include <QString>

class QWidget;

namespace kelpa::validacao {

// What the main window and the two sending dialogs call.

// Runs the validation in its window, modally, and tells whether sending is open
// afterwards: the run finished and no finding of the operator blocks it.
bool ExecutaValidacao(const QSqlDatabase &db, const QString &codOper, bool operadoraDePlanos, QWidget *pai);

// The chart-of-accounts notice for the operator (it records its blocking finding).
void MostraAvisoPlanoContas(const QSqlDatabase &db, const QString &codOper, QWidget *pai);

// "Existem erros graves de validação.": the internet sending's warning before it gives up.
void MostraErrosValidacao(QWidget *pai);

} // namespace kelpa::validacao
