#pragma once

#include "DocumentoRelatorio.h"

#include <QString>

class QIODevice;
class QPagedPaintDevice;

namespace kelpa::relatorios {

// Draws a laid-out document. The same drawing serves the printer, the preview
// (which paints on a printer too) and the PDF; texts stay real text, so a PDF can be
// searched and copied.
class Renderizador
{
public:
    // Draws every page, or only those of the device's page ranges when the user chose some.
    static void desenhar(const DocumentoRelatorio &documento, QPagedPaintDevice &dispositivo);

    // Writes the document as PDF. The file appears complete or not at all. Returns
    // false with the reason in `erro` when it cannot be written or has no page.
    static bool gravarPdf(const DocumentoRelatorio &documento, const QString &arquivo, QString *erro = nullptr);
    static void gravarPdf(const DocumentoRelatorio &documento, QIODevice &saida);
};

} // namespace kelpa::relatorios
