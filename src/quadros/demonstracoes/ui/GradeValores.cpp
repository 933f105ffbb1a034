#include "GradeValores.h"

#include "DelegadoValores.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace kelpa {

GradeValores::GradeValores(QWidget *parent)
    : QTableView(parent)
{
    m_delegado = new DelegadoValores(this);
    setItemDelegate(m_delegado);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                    | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(m_delegado, &DelegadoValores::avancarPedido, this, [this] { avancar(); });
}

void GradeValores::confirmarEdicao()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

QModelIndex GradeValores::proximaEditavel(const QModelIndex &de) const
{
    const QAbstractItemModel *m = model();
    if (!m || !de.isValid())
        return {};
    const int linhas = m->rowCount();
    const int colunas = m->columnCount();
    int linha = de.row();
    int coluna = de.column();
    for (int passos = 0; passos < linhas * colunas; ++passos) {
        if (m_ordem == Ordem::ColunaPorColuna) {
            if (++linha >= linhas) {
                linha = 0;
                if (++coluna >= colunas)
                    return {};
            }
        } else if (++coluna >= colunas) {
            coluna = 0;
            if (++linha >= linhas)
                return {};
        }
        if (isRowHidden(linha) || isColumnHidden(coluna))
            continue;
        const QModelIndex candidato = m->index(linha, coluna);
        if (candidato.flags() & Qt::ItemIsEditable)
            return candidato;
    }
    return {};
}

bool GradeValores::avancar()
{
    const QModelIndex proxima = proximaEditavel(currentIndex());
    if (!proxima.isValid())
        return false;
    setCurrentIndex(proxima);
    scrollTo(proxima);
    edit(proxima);
    return true;
}

void GradeValores::keyPressEvent(QKeyEvent *evento)
{
    const bool enter = evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
    if (enter && state() != QAbstractItemView::EditingState && !(evento->modifiers() & Qt::ControlModifier)) {
        // On a cell the user can fill, Enter opens it; elsewhere it moves on.
        if (currentIndex().isValid() && (currentIndex().flags() & Qt::ItemIsEditable))
            edit(currentIndex());
        else
            avancar();
        evento->accept();
        return;
    }
    QTableView::keyPressEvent(evento);
}

} // namespace kelpa
