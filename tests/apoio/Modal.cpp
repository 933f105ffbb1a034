#include "Modal.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace kelpa::teste {

void quandoAbrirModal(std::function<void(QWidget *)> acao)
{
    auto tentativa = std::make_shared<std::function<void()>>();
    *tentativa = [acao, tentativa] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            QTimer::singleShot(10, *tentativa);
            return;
        }
        modal->activateWindow();
        if (!QTest::qWaitForWindowActive(modal))
            qWarning("window did not become active");
        acao(modal);
    };
    QTimer::singleShot(0, *tentativa);
}

} // namespace kelpa::teste
