#include "CabecalhoAgrupado.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace kelpa {

CabecalhoAgrupado::CabecalhoAgrupado(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(false);
    setDefaultAlignment(Qt::AlignCenter);
}

void CabecalhoAgrupado::setGrupos(const QList<Grupo> &grupos)
{
    m_grupos = grupos;
    updateGeometry();
    viewport()->update();
}

const CabecalhoAgrupado::Grupo *CabecalhoAgrupado::grupoDa(int coluna) const
{
    for (const Grupo &g : m_grupos)
        if (coluna >= g.primeira && coluna < g.primeira + g.quantidade)
            return &g;
    return nullptr;
}

int CabecalhoAgrupado::alturaBanda() const
{
    return m_grupos.isEmpty() ? 0 : fontMetrics().height() + 8;
}

QSize CabecalhoAgrupado::sizeHint() const
{
    QSize s = QHeaderView::sizeHint();
    s.rheight() += alturaBanda();
    return s;
}

void CabecalhoAgrupado::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    const Grupo *grupo = grupoDa(logicalIndex);
    if (!grupo) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    // The band spans the whole group; each column paints its own slice of it.
    const int inicio = sectionViewportPosition(grupo->primeira);
    int largura = 0;
    for (int c = grupo->primeira; c < grupo->primeira + grupo->quantidade; ++c)
        if (!isSectionHidden(c))
            largura += sectionSize(c);
    const QRect banda(inicio, rect.top(), largura, alturaBanda());

    painter->save();
    painter->setClipRect(rect.intersected(banda));
    QStyleOptionHeader opcao;
    initStyleOption(&opcao);
    opcao.rect = banda;
    opcao.text = grupo->texto;
    opcao.textAlignment = Qt::AlignCenter;
    opcao.section = logicalIndex;
    opcao.position = QStyleOptionHeader::Middle;
    opcao.state |= QStyle::State_Enabled;
    style()->drawControl(QStyle::CE_Header, &opcao, painter, this);
    painter->restore();

    QHeaderView::paintSection(painter, rect.adjusted(0, alturaBanda(), 0, 0), logicalIndex);
}

bool CabecalhoAgrupado::viewportEvent(QEvent *evento)
{
    if (evento->type() == QEvent::ToolTip) {
        const auto *ajuda = static_cast<QHelpEvent *>(evento);
        if (ajuda->pos().y() < alturaBanda()) {
            const Grupo *grupo = grupoDa(logicalIndexAt(ajuda->pos()));
            if (grupo && !grupo->dica.isEmpty())
                QToolTip::showText(ajuda->globalPos(), grupo->dica, this);
            else
                QToolTip::hideText();
            return true;
        }
    }
    return QHeaderView::viewportEvent(evento);
}

} // namespace kelpa
