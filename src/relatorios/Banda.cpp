#include "Banda.h"

#include <algorithm>

namespace kelpa::relatorios {

Banda::Banda(TipoBanda tipo, double altura)
    : m_tipo(tipo)
    , m_altura(altura)
{
}

Banda &Banda::texto(const QRectF &caixa, const QString &texto, Qt::Alignment alinhamento, const EstiloTexto &estilo)
{
    m_textos.append({caixa, texto, alinhamento, estilo, true, false});
    m_altura = std::max(m_altura, caixa.bottom());
    return *this;
}

Banda &Banda::rotulo(const QRectF &caixa, const QString &texto, Qt::Alignment alinhamento, const EstiloTexto &estilo)
{
    m_textos.append({caixa, texto, alinhamento, estilo, false, false});
    m_altura = std::max(m_altura, caixa.bottom());
    return *this;
}

Banda &Banda::numeracao(const QRectF &caixa, const QString &modelo, Qt::Alignment alinhamento, const EstiloTexto &estilo)
{
    m_textos.append({caixa, modelo, alinhamento, estilo, false, true});
    m_altura = std::max(m_altura, caixa.bottom());
    return *this;
}

Banda &Banda::linha(const QLineF &l, double espessura, const QColor &cor)
{
    m_linhas.append({l, espessura, cor});
    m_altura = std::max({m_altura, l.y1() + espessura / 2, l.y2() + espessura / 2});
    return *this;
}

Banda &Banda::retangulo(const QRectF &caixa, const QColor &preenchimento, const QColor &borda, double espessura)
{
    m_retangulos.append({caixa, preenchimento, borda, espessura});
    m_altura = std::max(m_altura, caixa.bottom());
    return *this;
}

Banda &Banda::fundo(const QColor &cor)
{
    m_fundo = cor;
    return *this;
}

Banda &Banda::quebraPaginaAntes(bool quebra)
{
    m_quebraAntes = quebra;
    return *this;
}

Banda &Banda::repetirNaQuebra(bool repetir)
{
    m_repetir = repetir;
    return *this;
}

QStringList Banda::textosVisiveis() const
{
    QStringList lista;
    for (const ItemTexto &t : m_textos)
        if (!t.texto.isEmpty())
            lista << t.texto;
    return lista;
}

} // namespace kelpa::relatorios
