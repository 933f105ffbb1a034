#include "TfrmModDlgConfirmaCancela.h"

#include "FiltroTeclasNavegacao.h"
#include "MensagemDlg.h"

#include "app/banco/ErroBanco.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace kelpa {

TfrmModDlgConfirmaCancela::TfrmModDlgConfirmaCancela(QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    m_conteudo = new QWidget(this);
    m_conteudo->setObjectName(QStringLiteral("pnlConteudo"));

    auto *painel = new QWidget(this);
    painel->setObjectName(QStringLiteral("pnlBotoes"));
    m_lblMensagem = new QLabel(QStringLiteral("* campos que requerem documentos comprobatórios"), painel);
    m_lblMensagem->setObjectName(QStringLiteral("lblMensagem"));
    m_btnConfirmar = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), QStringLiteral("Confirmar"), painel);
    m_btnConfirmar->setObjectName(QStringLiteral("btnConfirmar"));
    m_btnConfirmar->setToolTip(QStringLiteral("Valida e grava entrada de dados"));
    m_btnDesfaz = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("Cancelar"), painel);
    m_btnDesfaz->setObjectName(QStringLiteral("btnDesfaz"));
    m_btnDesfaz->setToolTip(QStringLiteral("Cancela Operações no quadro."));
    // Enter moves between boxes; Confirm is pressed on purpose (click, Alt or Enter on the button).
    m_btnConfirmar->setAutoDefault(false);
    m_btnDesfaz->setAutoDefault(false);

    auto *botoes = new QHBoxLayout(painel);
    botoes->setContentsMargins(8, 6, 8, 6);
    botoes->addWidget(m_lblMensagem);
    botoes->addStretch(1);
    botoes->addWidget(m_btnConfirmar);
    botoes->addWidget(m_btnDesfaz);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_conteudo, 1);
    layout->addWidget(painel);

    connect(m_btnConfirmar, &QPushButton::clicked, this, &TfrmModDlgConfirmaCancela::btnConfirmarClick);
    connect(m_btnDesfaz, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmModDlgConfirmaCancela::setMostraMensagem(bool mostra)
{
    m_mostraMensagem = mostra;
    m_lblMensagem->setVisible(mostra);
}

void TfrmModDlgConfirmaCancela::showEvent(QShowEvent *evento)
{
    m_lblMensagem->setVisible(m_mostraMensagem);
    FiltroTeclasNavegacao::instalar(this);
    QDialog::showEvent(evento);
}

void TfrmModDlgConfirmaCancela::btnConfirmarClick()
{
    if (!CriticaDados())
        return;
    m_resultadoModal = QDialog::Accepted;
    try {
        GravaDados();
    } catch (const ErroBanco &e) {
        MensagemDlg(e.textoCompleto(), TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
        return;
    } catch (const std::exception &e) {
        MensagemDlg(QString::fromUtf8(e.what()), TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
        return;
    }
    if (m_resultadoModal != kPermanecer)
        done(m_resultadoModal);
}

} // namespace kelpa
