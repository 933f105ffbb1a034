#include "GradeColunas.h"

namespace kelpa::relatorios {

GradeColunas::GradeColunas(const QList<Coluna> &colunas, double largura)
    : m_colunas(colunas)
    , m_largura(largura)
{
    double pesos = 0;
    for (const Coluna &c : m_colunas)
        pesos += c.peso > 0 ? c.peso : 0;
    double x = 0;
    for (const Coluna &c : m_colunas) {
        const double l = pesos > 0 ? largura * (c.peso > 0 ? c.peso : 0) / pesos : 0;
        m_esquerdas.append(x);
        m_larguras.append(l);
        x += l;
    }
}

QRectF GradeColunas::celula(qsizetype i, double y, double altura) const
{
    return intervalo(i, i, y, altura);
}

QRectF GradeColunas::intervalo(qsizetype de, qsizetype ate, double y, double altura) const
{
    const double esquerda = m_esquerdas.at(de) + folga;
    const double direita = m_esquerdas.at(ate) + m_larguras.at(ate) - folga;
    return QRectF(esquerda, y, std::max(0.0, direita - esquerda), altura);
}

Banda GradeColunas::cabecalho(double espessura, const QColor &corLinha) const
{
    Banda banda(TipoBanda::Titulo, alturaLinha + espessura);
    for (qsizetype i = 0; i < m_colunas.size(); ++i)
        banda.texto(celula(i), m_colunas.at(i).titulo, m_colunas.at(i).alinhamento | Qt::AlignBottom,
                    EstiloTexto::forte());
    // The rule sits under the tallest caption: placed by the layout at the band's foot.
    banda.linha(QLineF(0, alturaLinha + espessura / 2, m_largura, alturaLinha + espessura / 2), espessura, corLinha);
    return banda;
}

Banda GradeColunas::linha(const QStringList &valores, TipoBanda tipo, const EstiloTexto &estilo) const
{
    Banda banda(tipo, alturaLinha);
    for (qsizetype i = 0; i < m_colunas.size() && i < valores.size(); ++i)
        if (!valores.at(i).isEmpty())
            banda.texto(celula(i), valores.at(i), m_colunas.at(i).alinhamento | Qt::AlignTop, estilo);
    return banda;
}

} // namespace kelpa::relatorios
