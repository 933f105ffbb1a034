#pragma once

#include <QTableView>

namespace kelpa {

class DelegadoValores;

// A grid of amounts as the financial quadros use it: typing starts editing the
// cell, and Enter (or Down in the editor) accepts the amount and goes on to the next
// cell the user can fill, so that a column of figures is typed without the mouse.
class GradeValores : public QTableView
{
    Q_OBJECT

public:
    // The order in which Enter visits the cells.
    enum class Ordem {
        ColunaPorColuna, // down the column, then the top of the next one
        LinhaPorLinha,   // along the row, then the start of the next one
    };

    explicit GradeValores(QWidget *parent = nullptr);

    DelegadoValores *delegado() const { return m_delegado; }
    void setOrdem(Ordem ordem) { m_ordem = ordem; }

    // Accepts what an open editor holds (before confirming, for instance).
    void confirmarEdicao();
    // The next cell the user can fill after `de`, in the grid's order; invalid when none.
    QModelIndex proximaEditavel(const QModelIndex &de) const;
    // Goes to the next cell the user can fill and opens its editor. False when there is none.
    bool avancar();

protected:
    void keyPressEvent(QKeyEvent *evento) override;

private:
    DelegadoValores *m_delegado = nullptr;
    Ordem m_ordem = Ordem::ColunaPorColuna;
};

} // namespace kelpa
