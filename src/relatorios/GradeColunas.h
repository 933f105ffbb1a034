#pragma once

#include "Banda.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kelpa::relatorios {

struct Coluna {
    QString titulo;
    double peso = 1;   // share of the width: the columns are scaled to fill the line
    Qt::Alignment alinhamento = Qt::AlignLeft;
};

// The tabular layout most quadro reports share: a column header band and rows of
// cells under it, the same column edges on every band.
class GradeColunas
{
public:
    static constexpr double alturaLinha = 4.4;  // one line of 8-point text with its padding
    static constexpr double folga = 0.8;        // space around a cell's text

    GradeColunas(const QList<Coluna> &colunas, double largura);

    qsizetype quantidade() const { return m_colunas.size(); }
    double esquerda(qsizetype i) const { return m_esquerdas.at(i); }
    double largura(qsizetype i) const { return m_larguras.at(i); }
    double larguraTotal() const { return m_largura; }
    const Coluna &coluna(qsizetype i) const { return m_colunas.at(i); }

    // The text box of a cell (inside its padding) at height `y` of a band.
    QRectF celula(qsizetype i, double y = folga, double altura = alturaLinha - 2 * folga) const;
    // The text box across the columns `de` to `ate`, inclusive.
    QRectF intervalo(qsizetype de, qsizetype ate, double y = folga, double altura = alturaLinha - 2 * folga) const;

    // Column captions in bold over a rule of `espessura` millimetres.
    Banda cabecalho(double espessura = 0.5, const QColor &corLinha = QColor(0, 0, 0)) const;
    // One row: one value a column (fewer values leave the last cells blank).
    Banda linha(const QStringList &valores, TipoBanda tipo = TipoBanda::Detalhe, const EstiloTexto &estilo = {}) const;

private:
    QList<Coluna> m_colunas;
    QList<double> m_esquerdas;
    QList<double> m_larguras;
    double m_largura;
};

} // namespace kelpa::relatorios
