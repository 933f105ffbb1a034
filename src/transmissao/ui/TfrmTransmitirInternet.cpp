#include "TfrmTransmitirInternet.h"

#include "app/banco/ErroBanco.h"
#include "app/ui/MensagemDlg.h"
#include "exportacao/ArquivoSubmissao.h"
#include "transmissao/TransmissaoInternet.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace kelpa {

TfrmTransmitirInternet::TfrmTransmitirInternet(const QSqlDatabase &db, const QString &codOper, QWidget *parent)
    : QDialog(parent)
    , m_db(db)
    , m_codOper(codOper)
{
    setObjectName(QStringLiteral("frmTransmitirInternet"));
    setWindowTitle(QStringLiteral("Transmissão pela Internet"));
    // No close box: the dialog ends through its buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    m_validacao = [this](QWidget *pai) { return validarParaEnvio(m_db, m_codOper, pai); };

    auto *explicacao = new QLabel(
        QStringLiteral("A senha de envio é a \"Nova Senha\" da operadora: a mesma senha que ela usa nos demais "
                       "serviços da QOR, como a emissão de guias de recolhimento de taxas, os processos de "
                       "ressarcimento ao SUS e o envio de notas técnicas."),
        this);
    explicacao->setObjectName(QStringLiteral("lblExplicacao"));
    explicacao->setWordWrap(true);

    auto *lblSenha = new QLabel(QStringLiteral("&Senha: "), this);
    m_edSenha = new QLineEdit(this);
    m_edSenha->setObjectName(QStringLiteral("edSenha"));
    m_edSenha->setEchoMode(QLineEdit::Password);
    m_edSenha->setMaxLength(100);
    lblSenha->setBuddy(m_edSenha);
    m_edSenha->installEventFilter(this);

    m_btnConfirma = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("&Confirma"), this);
    m_btnConfirma->setObjectName(QStringLiteral("btnConfirma"));
    m_btnConfirma->setToolTip(QStringLiteral("Confirma"));
    m_btnCancela = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("C&ancela"), this);
    m_btnCancela->setObjectName(QStringLiteral("btnCancela"));
    m_btnCancela->setToolTip(QStringLiteral("Cancela"));
    m_btnConfirma->setDefault(true);
    m_btnCancela->setAutoDefault(false);

    auto *linhaSenha = new QHBoxLayout;
    linhaSenha->addWidget(lblSenha);
    linhaSenha->addWidget(m_edSenha, 1);
    auto *botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(m_btnConfirma);
    botoes->addWidget(m_btnCancela);
    auto *coluna = new QVBoxLayout(this);
    coluna->setContentsMargins(16, 14, 16, 12);
    coluna->addWidget(explicacao);
    coluna->addSpacing(8);
    coluna->addLayout(linhaSenha);
    coluna->addSpacing(8);
    coluna->addLayout(botoes);

    connect(m_btnConfirma, &QPushButton::clicked, this, &TfrmTransmitirInternet::btnConfirmaClick);
    connect(m_btnCancela, &QPushButton::clicked, this, &TfrmTransmitirInternet::reject);
    setFixedWidth(440);
}

void TfrmTransmitirInternet::showEvent(QShowEvent *evento)
{
    QDialog::showEvent(evento);
    if (parentWidget())
        move(parentWidget()->window()->frameGeometry().center() - rect().center());
    m_edSenha->setFocus(Qt::ActiveWindowFocusReason);
}

void TfrmTransmitirInternet::changeEvent(QEvent *evento)
{
    QDialog::changeEvent(evento);
    // The password is what the user came to type: the focus is there when the window first becomes active.
    if (evento->type() == QEvent::ActivationChange && isActiveWindow() && !m_ativada) {
        m_ativada = true;
        m_edSenha->setFocus(Qt::ActiveWindowFocusReason);
    }
}

bool TfrmTransmitirInternet::eventFilter(QObject *objeto, QEvent *evento)
{
    // Leaving the password empty is refused, except on the way to Cancel (or when the
    // dialog itself goes away). Told after the focus change has settled, so that the
    // message box does not fight over the focus it is taking.
    if (objeto == m_edSenha && evento->type() == QEvent::FocusOut && !m_ocupado && isVisible()) {
        QWidget *destino = QApplication::focusWidget();
        if (m_edSenha->text().isEmpty() && destino && destino != m_btnCancela && destino->window() == this
            && !m_avisoPendente) {
            m_avisoPendente = true;
            QTimer::singleShot(0, this, [this] {
                if (isVisible() && m_edSenha->text().isEmpty() && QApplication::focusWidget() != m_btnCancela)
                    avisarSenhaObrigatoria();
                m_avisoPendente = false;
            });
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void TfrmTransmitirInternet::avisarSenhaObrigatoria()
{
    MensagemDlg(TransmissaoInternet::mensagemSenhaObrigatoria(), TipoMensagem::Erro, BotaoMensagem::Ok, {},
                QStringLiteral("Atenção"), this);
    m_edSenha->setFocus(Qt::OtherFocusReason);
}

void TfrmTransmitirInternet::btnConfirmaClick()
{
    if (m_ocupado)
        return;
    if (m_edSenha->text().isEmpty()) {
        // Leaving the field already told the user (or is about to).
        if (!m_avisoPendente)
            avisarSenhaObrigatoria();
        return;
    }
    m_ocupado = true;
    const QString senha = m_edSenha->text();
    m_edSenha->clear();

    TransmissaoInternet transmissao(m_db, m_codOper);
    transmissao.setValidacao([this] { return m_validacao(this); });
    transmissao.setJanela(QString::number(quintptr(winId())));
    transmissao.setProcessarEventos([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    transmissao.setAntesDeEntregar([this] {
        m_transmitindo = true;
        m_btnConfirma->setEnabled(false);
        m_btnCancela->setEnabled(false);
    });
    if (m_preparar)
        m_preparar(transmissao);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString erro;
    try {
        transmissao.Transmitir(senha);
    } catch (const ErroBanco &e) {
        erro = e.textoCompleto();
    } catch (const std::exception &e) {
        erro = ArquivoSubmissao::mensagemFalha(QString::fromUtf8(e.what()));
    }
    QApplication::restoreOverrideCursor();
    m_transmitindo = false;
    m_btnConfirma->setEnabled(true);
    m_btnCancela->setEnabled(true);
    if (!erro.isEmpty())
        MensagemDlg(erro, TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
    m_ocupado = false;
    accept();
}

void TfrmTransmitirInternet::reject()
{
    // Esc or Cancel while the client runs would leave it without its caller.
    if (!m_ocupado)
        QDialog::reject();
}

void TfrmTransmitirInternet::closeEvent(QCloseEvent *evento)
{
    if (m_ocupado) {
        evento->ignore();
        return;
    }
    QDialog::closeEvent(evento);
}

} // namespace kelpa
