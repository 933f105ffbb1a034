#pragma once

#include <QObject>

class QWidget;

namespace kelpa {

// Accountants type a value and press Enter (or Down) to go to the next box, as in
// the program they know: in quadros and dialogs these keys act as Tab. Buttons
// still answer Enter, and lists, grids and multi-line boxes keep their keys.
class FiltroTeclasNavegacao : public QObject
{
    Q_OBJECT

public:
    explicit FiltroTeclasNavegacao(QObject *parent = nullptr);
    // Installs one filter on every box inside `raiz` (call again after adding boxes).
    static void instalar(QWidget *raiz);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
};

} // namespace kelpa
