#pragma once

#include <QString>

namespace kelpa {

// Database versions are dotted numbers compared part by part as numbers: "3.0.2" is
// below "3.1.0", "3.0.10" above "3.0.9", and the version this program writes,
// "2007.2", above every 3.x and 4.x version. Compared as plain text, "2007.2" would
// sort below "3.0.0" and every later connection would redo the upgrade of a
// database that is already current. Missing parts count as 0 ("3.1" is "3.1.0");
// a part that does not start with digits sorts below any number; what follows the
// digits of a part is compared as text. An empty version is below every other one.
int CompararVersoes(const QString &a, const QString &b);

// True when `versao` is older than `referencia`.
inline bool VersaoAnterior(const QString &versao, const QString &referencia)
{
    return CompararVersoes(versao, referencia) < 0;
}

} // namespace kelpa
