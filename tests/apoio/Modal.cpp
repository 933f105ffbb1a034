#include "Modal.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
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

namespace kelpa::teste {

void retornarDasJanelas(int quantas, QStringList *abertas)
{
    if (quantas <= 0)
        return;
    // A modal window already up when this is called (the dialog that is about to
    // validate, or the window just answered) is not one of those awaited.
    const QPointer<QWidget> anterior = QApplication::activeModalWidget();
    auto tentativa = std::make_shared<std::function<void()>>();
    *tentativa = [quantas, abertas, anterior, tentativa] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || (anterior && modal == anterior.data())) {
            QTimer::singleShot(10, *tentativa);
            return;
        }
        if (abertas)
            *abertas << modal->objectName();
        // The next one opens only after this one has returned.
        retornarDasJanelas(quantas - 1, abertas);
        auto *retornar = modal->findChild<QPushButton *>(QStringLiteral("btnRetornar"));
        (retornar ? retornar : modal->findChild<QPushButton *>())->click();
    };
    QTimer::singleShot(0, *tentativa);
}

} // namespace kelpa::teste
