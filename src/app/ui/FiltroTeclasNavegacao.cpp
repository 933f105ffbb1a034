#include "FiltroTeclasNavegacao.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

namespace kelpa {

FiltroTeclasNavegacao::FiltroTeclasNavegacao(QObject *parent)
    : QObject(parent)
{
}

void FiltroTeclasNavegacao::instalar(QWidget *raiz)
{
    auto *filtro = raiz->findChild<FiltroTeclasNavegacao *>(QString(), Qt::FindDirectChildrenOnly);
    if (!filtro)
        filtro = new FiltroTeclasNavegacao(raiz);
    const auto alvos = raiz->findChildren<QWidget *>();
    for (QWidget *w : alvos) {
        const bool caixa = qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractSpinBox *>(w)
                           || qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)
                           || qobject_cast<QComboBox *>(w);
        // A line edit inside a combo or spin box belongs to its owner.
        if (caixa && !qobject_cast<QComboBox *>(w->parentWidget()) && !qobject_cast<QAbstractSpinBox *>(w->parentWidget())) {
            w->removeEventFilter(filtro);
            w->installEventFilter(filtro);
        }
    }
}

bool FiltroTeclasNavegacao::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() != QEvent::KeyPress)
        return false;
    auto *tecla = static_cast<QKeyEvent *>(evento);
    if (tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier))
        return false;
    auto *w = qobject_cast<QWidget *>(objeto);
    if (!w)
        return false;
    const bool enter = tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter;
    // Down in a combo box chooses the next item; only Enter moves on from it.
    const bool baixo = tecla->key() == Qt::Key_Down && !qobject_cast<QComboBox *>(w);
    if (!enter && !baixo)
        return false;
    if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->view() && combo->view()->isVisible())
        return false;
    // A Tab sent to the box moves the focus the way the user's Tab would.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &tab);
    return true;
}

} // namespace kelpa
