#pragma once

#include <QString>

namespace kelpa {

// Compacts the database file at start. SQLite rewrites the file in place under its
// own journal, so a crash or a full disk leaves the database as it was, and other
// stations that have it open keep working (a copy renamed over the file would leave
// them writing to a deleted file). A file that is busy or cannot be written is
// simply left as it is.
class CompactacaoBanco
{
public:
    // True when the file was compacted.
    static bool CompactaBase(const QString &arquivo);
};

} // namespace kelpa
