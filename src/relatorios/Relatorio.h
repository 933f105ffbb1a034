#pragma once

#include "Banda.h"

#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

namespace kelpa::relatorios {

struct FormatoPagina {
    QPageSize::PageSizeId tamanho = QPageSize::A4;
    QPageLayout::Orientation orientacao = QPageLayout::Portrait;
    QMarginsF margens = QMarginsF(12, 10, 12, 10); // millimetres: left, top, right, bottom

    static FormatoPagina retrato(QPageSize::PageSizeId tamanho = QPageSize::A4);
    static FormatoPagina paisagem(QPageSize::PageSizeId tamanho = QPageSize::A4);

    QPageLayout layout() const;
    // The printable area inside the margins, in millimetres.
    double larguraUtil() const;
    double alturaUtil() const;
    bool operator==(const FormatoPagina &outro) const = default;
};

// One report of a document, as its form built it: what goes on every page and the
// bands of its body in reading order. Paginar turns a list of them into pages.
struct Relatorio {
    QString titulo;
    FormatoPagina pagina;
    Banda cabecalhoPagina{TipoBanda::Titulo};  // top of every page
    Banda cabecalhoColunas{TipoBanda::Titulo}; // under the page header on every page
    Banda rodapePagina{TipoBanda::Titulo};     // foot of every page
    QList<Banda> corpo;
    // Detail rows alternate white and light grey (233, 233, 233); plain reports print them all white.
    bool sombreado = false;
};

inline QColor corSombreado() { return QColor(233, 233, 233); }

} // namespace kelpa::relatorios
