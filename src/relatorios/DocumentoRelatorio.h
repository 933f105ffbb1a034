#pragma once

#include "Relatorio.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kelpa::relatorios {

struct BandaPosicionada {
    Banda banda;
    double y = 0; // millimetres from the top of the printable area
};

struct PaginaRelatorio {
    qsizetype relatorio = 0; // which report of the document this page belongs to
    FormatoPagina formato;
    QList<BandaPosicionada> bandas;
};

// The page model: every band of every report placed on its page. Drawing it on a
// printer, on the preview or into a PDF gives the same pages.
class DocumentoRelatorio
{
public:
    // Lays the reports out one after another, each starting on a new page; page
    // numbers run through the whole document. Texts are measured with the
    // machine's fonts: a QGuiApplication must exist.
    static DocumentoRelatorio paginar(const QList<Relatorio> &relatorios, const QString &titulo = {});

    QString titulo() const { return m_titulo; }
    const QList<PaginaRelatorio> &paginas() const { return m_paginas; }
    qsizetype totalPaginas() const { return m_paginas.size(); }
    bool vazio() const { return m_paginas.isEmpty(); }
    // Index of the first page of each report.
    QList<qsizetype> iniciosDosRelatorios() const;

    // The texts of a page as they will be printed (page numbers filled in), top to bottom.
    QStringList textosDaPagina(qsizetype indice) const;

    static QString numerar(const QString &modelo, qsizetype pagina, qsizetype total);

private:
    QString m_titulo;
    QList<PaginaRelatorio> m_paginas;
};

} // namespace kelpa::relatorios
