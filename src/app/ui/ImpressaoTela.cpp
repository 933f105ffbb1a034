#include "ImpressaoTela.h"

#include "MensagemDlg.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QWidget>

namespace kelpa {

namespace {

QPixmap capturar(QWidget *origem)
{
    QScreen *tela = origem && origem->screen() ? origem->screen() : QGuiApplication::primaryScreen();
    QPixmap imagem = tela ? tela->grabWindow(0) : QPixmap();
    if (!imagem.isNull())
        return imagem;
    // Platforms that cannot capture the screen: the window that asked.
    QWidget *janela = origem ? origem->window() : QApplication::activeWindow();
    return janela ? janela->grab() : QPixmap();
}

} // namespace

void ImpressaoTela::imprimir(QWidget *origem)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QPixmap imagem = capturar(origem);
    QGuiApplication::restoreOverrideCursor();
    if (imagem.isNull()) {
        MensagemDlg(QStringLiteral("Indisponível para impressão"), TipoMensagem::Erro, BotaoMensagem::Ok);
        return;
    }
    QPrinter impressora(QPrinter::HighResolution);
    impressora.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog previa(&impressora, origem);
    previa.setWindowTitle(QStringLiteral("Imprime a tela"));
    QObject::connect(&previa, &QPrintPreviewDialog::paintRequested, [&imagem](QPrinter *p) {
        QPainter pintor(p);
        const QRect area = pintor.viewport();
        const QSize tamanho = imagem.size().scaled(area.size(), Qt::KeepAspectRatio);
        pintor.drawPixmap(QRect(area.topLeft(), tamanho), imagem);
    });
    previa.exec();
}

} // namespace kelpa
