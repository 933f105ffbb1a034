#include "TfrmDlgLinhaCadastro.h"

#include "app/banco/ErroBanco.h"
#include "app/ui/Avisos.h"
#include "app/ui/MensagemDlg.h"
#include "plataforma/FormatoBR.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace kelpa {

TfrmDlgLinhaCadastro::TfrmDlgLinhaCadastro(QWidget *parent)
    : TfrmModDlgConfirmaCancela(parent)
{
}

QLineEdit *TfrmDlgLinhaCadastro::novoCampoData(QWidget *pai, const QString &nome, const QString &dica)
{
    auto *campo = new QLineEdit(pai);
    campo->setObjectName(nome);
    campo->setInputMask(QStringLiteral("00/00/0000;_"));
    campo->setToolTip(dica);
    campo->setFixedWidth(100);
    return campo;
}

bool TfrmDlgLinhaCadastro::campoDataVazio(const QLineEdit *campo)
{
    QString digitos = campo->text();
    digitos.remove(u'/');
    return digitos.trimmed().isEmpty();
}

QDate TfrmDlgLinhaCadastro::dataDoCampo(const QLineEdit *campo)
{
    return campoDataVazio(campo) ? QDate() : FormatoBR::lerData(campo->text()).value_or(QDate());
}

void TfrmDlgLinhaCadastro::mostraData(QLineEdit *campo, const QDate &data)
{
    campo->setText(data.isValid() ? FormatoBR::data(data) : QString());
}

QLabel *TfrmDlgLinhaCadastro::rotuloCampo(const QString &texto, bool obrigatorio, QWidget *pai)
{
    auto *l = new QLabel(obrigatorio ? texto + QStringLiteral(" <span style=\"color:#c00000\">*</span>") : texto, pai);
    l->setTextFormat(Qt::RichText);
    return l;
}

void TfrmDlgLinhaCadastro::alterado()
{
    if (m_ativado)
        btnConfirmar()->setEnabled(true);
}

void TfrmDlgLinhaCadastro::vigia(QLineEdit *campo)
{
    connect(campo, &QLineEdit::textEdited, this, &TfrmDlgLinhaCadastro::alterado);
}

void TfrmDlgLinhaCadastro::vigia(QComboBox *campo)
{
    connect(campo, &QComboBox::activated, this, &TfrmDlgLinhaCadastro::alterado);
}

void TfrmDlgLinhaCadastro::conferirDataAoSair(QLineEdit *campo)
{
    m_datasConferidas << campo;
    campo->installEventFilter(this);
}

bool TfrmDlgLinhaCadastro::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::FocusOut && !m_conferindo) {
        for (QLineEdit *campo : std::as_const(m_datasConferidas)) {
            // Leaving towards Cancel is not a reason to complain about the date.
            if (objeto == campo && QApplication::focusWidget() != btnDesfaz() && isVisible())
                QTimer::singleShot(0, this, [this, campo] { conferirData(campo); });
        }
    }
    return TfrmModDlgConfirmaCancela::eventFilter(objeto, evento);
}

void TfrmDlgLinhaCadastro::conferirData(QLineEdit *campo)
{
    if (!isVisible() || result() != 0)
        return;
    recusaDataInvalida(campo);
}

bool TfrmDlgLinhaCadastro::recusaDataInvalida(QLineEdit *campo)
{
    if (campoDataVazio(campo) || dataDoCampo(campo).isValid())
        return false;
    m_conferindo = true;
    MensagemDlg(m_mensagemDataInvalida, TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
    campo->setFocus();
    campo->selectAll();
    m_conferindo = false;
    return true;
}

void TfrmDlgLinhaCadastro::showEvent(QShowEvent *evento)
{
    TfrmModDlgConfirmaCancela::showEvent(evento);
    if (m_ativado)
        return;
    abrir();
    m_ativado = true;
    btnConfirmar()->setEnabled(false);
    // After the window system has given the window its first focus.
    QTimer::singleShot(0, this, [this] {
        if (QWidget *campo = campoInicial())
            campo->setFocus();
    });
}

bool TfrmDlgLinhaCadastro::CriticaDados()
{
    if (MostraAvisoPreenchimento(itensFaltantes(), this))
        return false;
    // A date left wrong is refused here too: pressing Confirm straight from the box
    // would otherwise store it as no date at all.
    for (QLineEdit *campo : std::as_const(m_datasConferidas)) {
        if (recusaDataInvalida(campo))
            return false;
    }
    const QString erro = erroValores();
    if (erro.isEmpty())
        return true;
    MensagemDlg(erro, TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
    return false;
}

void TfrmDlgLinhaCadastro::GravaDados()
{
    try {
        gravar();
    } catch (const ErroBanco &) {
        // The transaction rolled back: nothing of the row was stored, and the dialog
        // keeps what was typed.
        MensagemDlg(QStringLiteral("Verifique os dados digitados"), TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
        if (QWidget *campo = campoInicial())
            campo->setFocus();
        permanecerAberto();
    }
}

} // namespace kelpa
