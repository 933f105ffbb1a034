#pragma once

#include <QDate>
#include <QString>

namespace kelpa {

// The version this program writes into CONSTS and shows in its windows.
inline QString versaoPrograma() { return QStringLiteral("2007.2"); }
inline QDate dataVersaoPrograma() { return QDate(2007, 1, 1); }

} // namespace kelpa
