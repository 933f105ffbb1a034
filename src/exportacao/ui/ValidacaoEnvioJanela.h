#pragma once

#include <QSqlDatabase>
#include <QString>
#include <functional>

class QWidget;

namespace kelpa {

// The validation step of the sending dialogs: runs the validation (with its window,
// over `pai`), and when sending stays closed tells the user so; answers whether
// sending is open.
using ValidacaoEnvioJanela = std::function<bool(QWidget *pai)>;

// The dialogs' default: the validation window (which runs the validation as
// validacaoEnvioPadrao does), then the serious-errors warning when the gate is closed.
bool validarParaEnvio(const QSqlDatabase &db, const QString &codOper, QWidget *pai);

// "Existem erros graves de validação.", shown modally when a validation leaves
// sending closed.
void avisarErrosGravesValidacao(QWidget *pai);

} // namespace kelpa
