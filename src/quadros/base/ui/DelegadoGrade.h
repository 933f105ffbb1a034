#pragma once

#include <QColor>
#include <QStyledItemDelegate>

namespace kelpa {

// How every quadro grid colours its rows: alternate white and very light blue
// backgrounds; black text on rows already transmitted ("T", "A"), blue on rows
// never sent. Models give the row's transmission state through `PapelEstadoTransmissao`.
class DelegadoGrade : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int PapelEstadoTransmissao = Qt::UserRole + 100;

    using QStyledItemDelegate::QStyledItemDelegate;

    static QColor fundoDaLinha(int linha);
    static QColor textoDoEstado(const QString &estadoTransmissao);

protected:
    void initStyleOption(QStyleOptionViewItem *opcao, const QModelIndex &indice) const override;
};

} // namespace kelpa
