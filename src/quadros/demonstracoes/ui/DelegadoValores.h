#pragma once

#include "quadros/base/ui/DelegadoGrade.h"

namespace kelpa {

// How the financial quadros' grids show and take amounts. On top of the row colours
// of every quadro grid: computed and read-only cells on the button-face colour,
// totals in bold, the model's red for deductions and negative amounts, and the
// transmission colours only where the rows have a transmission state. The editor
// takes amounts as typed in Brazil ("1.234,56"), lets the model show the totals as
// the user types, and Enter or Down accepts the amount and moves on.
class DelegadoValores : public DelegadoGrade
{
    Q_OBJECT

public:
    explicit DelegadoValores(QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &opcao, const QModelIndex &indice) const override;
    void setEditorData(QWidget *editor, const QModelIndex &indice) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *modelo, const QModelIndex &indice) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &indice) const override;

    // The text the user may type: digits, "." grouping, one "," and, where allowed, a leading minus.
    static bool textoAceitavel(const QString &texto, bool aceitaNegativo);

signals:
    void edicaoIniciada(const QModelIndex &indice);
    // Enter or Down accepted the amount: the grid moves to the next cell.
    void avancarPedido();

protected:
    void initStyleOption(QStyleOptionViewItem *opcao, const QModelIndex &indice) const override;
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void digitado(QWidget *editor, const QPersistentModelIndex &indice, const QString &texto) const;
};

} // namespace kelpa
