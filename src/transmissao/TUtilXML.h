#pragma once

#include <QDomDocument>
#include <QString>

namespace kelpa {

// Reads the protocol the transmission client leaves behind.
class TUtilXML
{
public:
    // False when the file is missing or is not well-formed XML; the document is then
    // empty and every element text is empty.
    bool carregar(const QString &arquivo);

    // The text of every element named `nome`, in document order: inside each, the
    // text found depth-first (through child elements and entity references), the
    // pieces joined with ";". Empty when there is none.
    QString texto(const QString &nome) const;

private:
    QDomDocument m_documento;
};

} // namespace kelpa
