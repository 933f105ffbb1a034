#include "TUtilXML.h"

#include <QFile>
#include <QStringList>

namespace kelpa {

namespace {

void juntarTextos(const QDomNode &no, QStringList &pecas)
{
    for (QDomNode filho = no.firstChild(); !filho.isNull(); filho = filho.nextSibling()) {
        if (filho.isText()) // CDATA sections are text too
            pecas << filho.nodeValue();
        else if (filho.isElement() || filho.isEntityReference())
            juntarTextos(filho, pecas);
    }
}

} // namespace

bool TUtilXML::carregar(const QString &arquivo)
{
    m_documento = QDomDocument();
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    QDomDocument documento;
    if (!documento.setContent(&f))
        return false;
    m_documento = documento;
    return true;
}

QString TUtilXML::texto(const QString &nome) const
{
    QStringList pecas;
    const QDomNodeList elementos = m_documento.elementsByTagName(nome);
    for (int i = 0; i < elementos.size(); ++i)
        juntarTextos(elementos.at(i), pecas);
    return pecas.join(u';');
}

} // namespace kelpa
