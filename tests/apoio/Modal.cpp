#include "Modal.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace kelpa::teste {

namespace {

// A wait for a window that never opens stops after this long, so that it cannot
// answer a window of a later test.
constexpr qint64 esperaMaximaMs = 20000;

} // namespace

void quandoAbrirModal(std::function<void(QWidget *)> acao)
{
    auto tentativa = std::make_shared<std::function<void()>>();
    QElapsedTimer relogio;
    relogio.start();
    *tentativa = [acao, tentativa, relogio] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            if (relogio.elapsed() > esperaMaximaMs) {
                qWarning("quandoAbrirModal: no modal window opened; giving up");
                return;
            }
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
    QElapsedTimer relogio;
    relogio.start();
    *tentativa = [quantas, abertas, anterior, tentativa, relogio] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || (anterior && modal == anterior.data())) {
            if (relogio.elapsed() > esperaMaximaMs) {
                qWarning("retornarDasJanelas: no modal window opened; giving up");
                return;
            }
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

namespace kelpa::teste {

void vigiarJanelasEsquecidas()
{
    // A modal window that no test answers would hold the whole run until CI's
    // timeout; after a while it fails the test that left it and is closed.
    static QPointer<QWidget> vista;
    static QElapsedTimer desde;
    auto *vigia = new QTimer(qApp);
    QObject::connect(vigia, &QTimer::timeout, [] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal != vista.data()) {
            vista = modal;
            desde.start();
            return;
        }
        if (!modal || desde.elapsed() < 30000)
            return;
        ADD_FAILURE() << "a modal window was left open with no one to answer it: "
                      << modal->objectName().toStdString() << " \"" << modal->windowTitle().toStdString() << "\"";
        if (auto *dialogo = qobject_cast<QDialog *>(modal))
            dialogo->reject();
        else
            modal->close();
        vista = nullptr;
    });
    vigia->start(1000);
}

} // namespace kelpa::teste
