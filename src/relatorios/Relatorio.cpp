#include "Relatorio.h"

namespace kelpa::relatorios {

FormatoPagina FormatoPagina::retrato(QPageSize::PageSizeId tamanho)
{
    FormatoPagina f;
    f.tamanho = tamanho;
    f.orientacao = QPageLayout::Portrait;
    return f;
}

FormatoPagina FormatoPagina::paisagem(QPageSize::PageSizeId tamanho)
{
    FormatoPagina f;
    f.tamanho = tamanho;
    f.orientacao = QPageLayout::Landscape;
    return f;
}

QPageLayout FormatoPagina::layout() const
{
    return QPageLayout(QPageSize(tamanho), orientacao, margens, QPageLayout::Millimeter);
}

double FormatoPagina::larguraUtil() const
{
    return layout().paintRect(QPageLayout::Millimeter).width();
}

double FormatoPagina::alturaUtil() const
{
    return layout().paintRect(QPageLayout::Millimeter).height();
}

} // namespace kelpa::relatorios
