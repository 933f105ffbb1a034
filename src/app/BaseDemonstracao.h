#pragma once

#include <QSqlDatabase>
#include <QString>

namespace kelpa {

// The fictional operator a new user meets in a demo database, registered from the
// official list so that the program can be used at once.
class BaseDemonstracao
{
public:
    static QString codigoOperadora() { return QStringLiteral("345678"); }
    // Registers the demo operator in one transaction; throws ErroBanco on failure.
    static void criar(const QSqlDatabase &db);
};

} // namespace kelpa
