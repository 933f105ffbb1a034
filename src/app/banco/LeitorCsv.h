#pragma once

#include <QString>
#include <QStringList>

namespace kelpa {

// Reads RFC 4180 text: comma-separated, fields in double quotes may hold commas,
// quotes ("") and line breaks. A field that is empty and unquoted is null.
class LeitorCsv
{
public:
    struct Linha {
        QStringList campos;
        QList<bool> nulos;
    };

    explicit LeitorCsv(QString texto);
    bool proxima(Linha &linha);

private:
    QString m_texto;
    qsizetype m_pos = 0;
};

} // namespace kelpa
