#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>

namespace kelpa::teste {

// What a reader of a PDF gets from it, through poppler's pdftotext and pdfinfo: the
// text of each page (so a test proves the report is real, searchable text) and the
// page sizes in points.
QStringList paginasPdf(const QString &arquivo, bool comLayout = false);
QList<QSizeF> tamanhosPaginasPdf(const QString &arquivo);

} // namespace kelpa::teste
