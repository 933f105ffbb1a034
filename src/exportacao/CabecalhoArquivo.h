#pragma once

#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace kelpa {

// The header text of a submission file: the operator code without "-", then the
// operator's CNPJ without "." and "/", then its name, run together. Both submission
// dialogs and `kelpa-cli export` use it.
namespace CabecalhoArquivo {

// The code as the export's parameter: every "-" removed.
QString codigoSemMascara(const QString &codigoOperadora);

// nullopt when the operator has no person 0 (it is not registered here).
std::optional<QString> texto(const QSqlDatabase &db, const QString &codigoOperadora);

} // namespace CabecalhoArquivo

} // namespace kelpa
