#include "TfrmExibeQuadro.h"

#include "RegistroQuadros.h"
#include "TfraModeloQuadroPeriodo.h"

#include "app/ui/MensagemDlg.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace kelpa {

namespace {
QPointer<TfraModeloQuadroPeriodo> g_quadroAtual;
}

TfrmExibeQuadro::TfrmExibeQuadro(ContextoQuadro &contexto, int numeroQuadro, const QString &tipoConta, QWidget *parent)
    : QDialog(parent)
    , m_numero(numeroQuadro)
    , m_tipoConta(tipoConta)
{
    setObjectName(QStringLiteral("frmExibeQuadro"));
    setWindowTitle(QStringLiteral("Form utilizado para exibir um quadro do sistema"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    resize(652, 500);
    if (parent)
        move(parent->window()->geometry().topLeft() + QPoint(150, 74));

    m_quadro = RegistroQuadros::criar(numeroQuadro, contexto, tipoConta, this);
    g_quadroAtual = m_quadro;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (m_quadro) {
        layout->addWidget(m_quadro);
        if (!m_quadro->titulo().isEmpty())
            setWindowTitle(m_quadro->titulo());
        connect(m_quadro, &TfraModeloQuadroPeriodo::concluido, this, [this](int resultado) {
            m_concluindo = true;
            done(resultado);
            m_concluindo = false;
        });
        m_quadro->Inicia();
    }
}

TfraModeloQuadroPeriodo *TfrmExibeQuadro::QuadroAtual()
{
    return g_quadroAtual;
}

int TfrmExibeQuadro::exec()
{
    if (!m_quadro) {
        MensagemDlg(RegistroQuadros::mensagemIndisponivel(), TipoMensagem::Informacao, BotaoMensagem::Ok, {}, {}, parentWidget());
        return QDialog::Rejected;
    }
    return QDialog::exec();
}

void TfrmExibeQuadro::reject()
{
    // Esc and the window's close button mean Cancel: the quadro decides.
    if (m_concluindo || !m_quadro) {
        QDialog::reject();
        return;
    }
    m_quadro->btnDesfazClick();
}

void TfrmExibeQuadro::closeEvent(QCloseEvent *evento)
{
    if (m_concluindo || !m_quadro || !isVisible()) {
        QDialog::closeEvent(evento);
        return;
    }
    evento->ignore();
    m_quadro->btnDesfazClick();
}

} // namespace kelpa
