#include "TfrmIncluiPeriodo.h"

#include "app/ui/Avisos.h"
#include "app/ui/MensagemDlg.h"
#include "plataforma/FormatoBR.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace kelpa {

TfrmIncluiPeriodo::TfrmIncluiPeriodo(ContextoQuadro &contexto, QWidget *parent)
    : TfrmModDlgConfirmaCancela(parent)
    , m_contexto(contexto)
{
    setObjectName(QStringLiteral("frmIncluiPeriodo"));
    setWindowTitle(QStringLiteral("Inclui Novo Período"));
    auto *grupo = new QGroupBox(QStringLiteral(" Informe o Novo Período "), areaConteudo());
    auto *rotulo = new QLabel(QStringLiteral("Início do Período:"), grupo);
    m_data = new QLineEdit(grupo);
    m_data->setObjectName(QStringLiteral("medDataReajuste"));
    m_data->setInputMask(QStringLiteral("99/99/9999"));
    m_data->setFixedWidth(100);
    m_data->setToolTip(QStringLiteral("No primeiro envio, informe a data de preenchimento do documento;\n"
                                      "nas alterações seguintes, a data da alteração efetiva."));
    rotulo->setBuddy(m_data);
    m_copiar = new QCheckBox(QStringLiteral("Copiar os dados do período anterior"), grupo);
    m_copiar->setObjectName(QStringLiteral("chkCopiarPeriodo"));
    m_copiar->setToolTip(QStringLiteral("Quando selecionado, copia os dados do ultimo período\npara o período atual."));
    auto *grade = new QGridLayout(grupo);
    grade->addWidget(rotulo, 0, 0);
    grade->addWidget(m_data, 0, 1);
    grade->setColumnStretch(2, 1);
    grade->addWidget(m_copiar, 1, 0, 1, 3);
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->addWidget(grupo);
    m_data->installEventFilter(this);
}

QDate TfrmIncluiPeriodo::dataInformada() const
{
    return FormatoBR::lerData(m_data->text()).value_or(QDate());
}

void TfrmIncluiPeriodo::showEvent(QShowEvent *evento)
{
    TfrmModDlgConfirmaCancela::showEvent(evento);
    // The earliest registration period: an unordered "first row" would depend on the engine.
    m_dtInicioOperadora = Periodos::DataInicioOperadora(m_contexto.db(), m_contexto.codOper());
    m_data->setFocus();
}

bool TfrmIncluiPeriodo::eventFilter(QObject *objeto, QEvent *evento)
{
    if (objeto == m_data && evento->type() == QEvent::FocusOut && !m_conferindo) {
        // Leaving towards Cancel is not a reason to complain about the date.
        if (QApplication::focusWidget() != btnDesfaz() && isVisible())
            QTimer::singleShot(0, this, &TfrmIncluiPeriodo::conferirData);
    }
    return TfrmModDlgConfirmaCancela::eventFilter(objeto, evento);
}

void TfrmIncluiPeriodo::conferirData()
{
    if (!isVisible() || result() != 0)
        return;
    const auto avaliacao = Periodos::AvaliaNovaData(m_data->text(), m_dtInicioOperadora);
    if (avaliacao.situacao == Periodos::AvaliacaoNovaData::Aceita)
        return;
    m_conferindo = true;
    MensagemDlg(avaliacao.mensagem,
                avaliacao.situacao == Periodos::AvaliacaoNovaData::Invalida ? TipoMensagem::Erro : TipoMensagem::Cuidado,
                BotaoMensagem::Ok, {}, {}, this);
    m_data->setFocus();
    m_conferindo = false;
}

bool TfrmIncluiPeriodo::CriticaDados()
{
    const auto avaliacao = Periodos::AvaliaNovaData(m_data->text(), m_dtInicioOperadora);
    if (avaliacao.situacao == Periodos::AvaliacaoNovaData::Invalida) {
        MostraAvisoPreenchimento({QStringLiteral(">> Data Inválida")}, this);
        return false;
    }
    // A date the rules refuse never becomes a period, even when typed and confirmed at once.
    if (avaliacao.situacao != Periodos::AvaliacaoNovaData::Aceita) {
        MensagemDlg(avaliacao.mensagem, TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, this);
        m_data->setFocus();
        return false;
    }
    return true;
}

TfrmIncluiPeriodo::Inclusao TfrmIncluiPeriodo::ExecutaInclusao(ContextoQuadro &contexto, TipoPeriodo modo, QWidget *parent)
{
    TfrmIncluiPeriodo dialogo(contexto, parent);
    dialogo.setWindowTitle(modo == TipoPeriodo::Dia ? QStringLiteral("Nova data") : QStringLiteral("Período a partir de"));
    Inclusao inclusao;
    inclusao.confirmado = dialogo.exec() == QDialog::Accepted;
    inclusao.data = dialogo.dataInformada();
    inclusao.copiar = dialogo.chkCopiarPeriodo()->isChecked();
    return inclusao;
}

} // namespace kelpa
