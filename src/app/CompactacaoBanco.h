#pragma once

#include <QString>

namespace kelpa {

// Compacts the database file at start. The compacted copy is built beside the
// file and moved over it in one atomic rename, so the database is never missing,
// not even for a moment. A file that another station is using, or that cannot be
// written, is simply left as it is.
class CompactacaoBanco
{
public:
    // True when the file was compacted.
    static bool CompactaBase(const QString &arquivo);
};

} // namespace kelpa
