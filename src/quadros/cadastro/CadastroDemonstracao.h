#pragma once

#include <QSqlDatabase>
#include <QString>

namespace kelpa {

// The demo operator's registration, filled as a careful user would: Quadro 1 with
// its addresses, phones and region of operation (a first period in 2001 and one from
// 2005 with municipalities of operation), Quadro 2 with its foundation, staff and
// three responsible professionals, and from 2005 the administrator who is technical
// officer (Quadro 3) and representative (Quadro 4). Quadros 1 and 2 are written
// through the same classes as the quadros.
class CadastroDemonstracao
{
public:
    // In one transaction; throws ErroBanco on failure (then nothing was written).
    static void criar(const QSqlDatabase &db, const QString &codOper);
};

} // namespace kelpa
