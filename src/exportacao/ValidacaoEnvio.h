#pragma once

#include <QSqlDatabase>
#include <QString>
#include <functional>

namespace kelpa {

// Both ways of sending (removable media and the transmission client) validate the
// operator's data afresh and stop when sending is then closed. The job asks its
// caller for that step: a function that runs the validation and answers whether
// sending is open. Nothing is written before it has answered yes.
using ValidacaoEnvio = std::function<bool()>;

// The validation every sending job runs unless its caller gives another: a full run
// of the operator's validation (findings recorded), then the sending gate.
ValidacaoEnvio validacaoEnvioPadrao(const QSqlDatabase &db, const QString &codOper);

} // namespace kelpa
