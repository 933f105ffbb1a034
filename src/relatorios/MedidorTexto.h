#pragma once

#include "Banda.h"

#include <QFont>
#include <QImage>

namespace kelpa::relatorios {

// Measures texts as they will be printed. The measure is taken on a fine reference
// device (1200 dpi) so that a page breaks at the same row in the preview, on paper
// and in the PDF, whatever the screen.
class MedidorTexto
{
public:
    MedidorTexto();

    static QFont fonte(const EstiloTexto &estilo);

    // Height in millimetres that `item` needs inside the width of its box.
    double alturaNecessaria(const ItemTexto &item) const;
    // Lays a band out: boxes of wrapping texts grow to fit, texts of one row share the
    // row's height, and whatever lies below a grown text moves down with it.
    void ajustar(Banda &banda) const;

private:
    QImage m_referencia;
};

} // namespace kelpa::relatorios
