#include "DelegadoGrade.h"

#include <QStyleOptionViewItem>

namespace kelpa {

QColor DelegadoGrade::fundoDaLinha(int linha)
{
    // Record numbers count from 1: odd records are white.
    return (linha + 1) % 2 == 1 ? QColor(Qt::white) : QColor(242, 252, 255);
}

QColor DelegadoGrade::textoDoEstado(const QString &estadoTransmissao)
{
    return estadoTransmissao.startsWith(u'A') || estadoTransmissao.startsWith(u'T') ? QColor(Qt::black) : QColor(0, 0, 255);
}

void DelegadoGrade::initStyleOption(QStyleOptionViewItem *opcao, const QModelIndex &indice) const
{
    QStyledItemDelegate::initStyleOption(opcao, indice);
    opcao->font.setBold(false);
    opcao->font.setItalic(false);
    opcao->font.setUnderline(false);
    if (opcao->state & QStyle::State_Selected)
        return;
    opcao->backgroundBrush = fundoDaLinha(indice.row());
    opcao->palette.setColor(QPalette::Text, textoDoEstado(indice.data(PapelEstadoTransmissao).toString()));
}

} // namespace kelpa
