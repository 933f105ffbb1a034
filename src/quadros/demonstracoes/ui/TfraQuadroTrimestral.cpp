#include "TfraQuadroTrimestral.h"

#include "app/ServicosOperadora.h"
#include "app/banco/ErroBanco.h"
#include "app/ui/MensagemDlg.h"
#include "quadros/base/Periodos.h"
#include "quadros/demonstracoes/RegrasModalidade.h"
#include "quadros/demonstracoes/TrimestresEconomicos.h"

#include <QComboBox>
#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace kelpa {

TfraQuadroTrimestral::TfraQuadroTrimestral(ContextoQuadro &contexto, QWidget *parent)
    : TfraModeloQuadroPeriodo(contexto, parent)
{
    setTipoPeriodo(TipoPeriodo::Trimestre);
    areaConteudo()->installEventFilter(this);
}

QString TfraQuadroTrimestral::MensagemCadastroIncompleto()
{
    return QStringLiteral("Quadro não disponível. Preencha todos os dados do\rQuadro 1: Cadastro.");
}

void TfraQuadroTrimestral::setPainelDados(QWidget *dados)
{
    m_dados = dados;
}

void TfraQuadroTrimestral::exibeAviso(const QString &texto)
{
    m_aviso = texto;
    if (m_dados)
        m_dados->setVisible(texto.isEmpty());
    if (contexto().exibeAviso)
        contexto().exibeAviso(texto.isEmpty() ? nullptr : areaConteudo(), texto);
}

void TfraQuadroTrimestral::mostraControlesPeriodo(bool mostra)
{
    // The period box's own row: the combo and its three buttons.
    if (QWidget *linha = cbxPeriodo()->parentWidget())
        linha->setVisible(mostra);
    gbxPeriodo()->setTitle(mostra ? Periodos::TituloGrupo(tipoPeriodo()) : QString());
}

void TfraQuadroTrimestral::mostraImpressao(bool mostra)
{
    btnImprimir()->setVisible(mostra && !chaveImpressao().isEmpty());
}

bool TfraQuadroTrimestral::verificaDisponibilidade(const RegraModalidade &regra, bool testaCadastro, bool ocultaCancelar)
{
    const ServicosOperadora servicos(contexto().db(), contexto().codOper());
    QString aviso;
    if (testaCadastro && !servicos.CadastroCompleto())
        aviso = MensagemCadastroIncompleto();
    else if (regra.dispensada(contexto().db(), contexto().codOper()))
        aviso = ServicosOperadora::MensagemDispensa(servicos.ModalidadeOperadora());

    const bool disponivel = aviso.isEmpty();
    mostraControlesPeriodo(disponivel);
    btnConfirmar()->setVisible(disponivel);
    mostraImpressao(disponivel);
    if (ocultaCancelar && !disponivel)
        btnDesfaz()->setVisible(false);
    exibeAviso(aviso);
    return disponivel;
}

QList<QDate> TfraQuadroTrimestral::listaTrimestres(bool criaPeriodoInicial)
{
    QList<QDate> trimestres = TrimestresEconomicos::Lista(contexto().db(), contexto().codOper());
    if (!trimestres.isEmpty() || !criaPeriodoInicial)
        return trimestres;
    try {
        TrimestresEconomicos::CriaPeriodoInicial(contexto().db(), contexto().codOper());
    } catch (const ErroBanco &) {
        mensagemErro(QStringLiteral("Houve erro na criação do período inicial.\rTente novamente..."));
        return {};
    }
    return TrimestresEconomicos::Lista(contexto().db(), contexto().codOper());
}

bool TfraQuadroTrimestral::incluiTrimestre(bool comSaldoAcumulado)
{
    if (!TrimestresEconomicos::IncluiNovoTrimestre(contexto().db(), contexto().codOper(), NovaData(), comSaldoAcumulado)) {
        mensagemErro(QStringLiteral("Não foi possível incluir o trimestre desejado."));
        return false;
    }
    return true;
}

bool TfraQuadroTrimestral::excluiTrimestre()
{
    if (!Periodos::ExcluiTrimestre(contexto().db(), contexto().codOper(), periodoSelecionado())) {
        mensagemErro(QStringLiteral("Não foi possível excluir o trimestre desejado."));
        return false;
    }
    return true;
}

void TfraQuadroTrimestral::setTextoAviso(QLabel *aviso, const QString &texto)
{
    // The notices keep the line breaks they were written with, whichever way round.
    QString linhas = texto;
    aviso->setText(linhas.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                       .replace(QStringLiteral("\n\r"), QStringLiteral("\n"))
                       .replace(u'\r', u'\n'));
}

void TfraQuadroTrimestral::mostraAvisoNoQuadro(QLabel *aviso, const QString &texto)
{
    exibeAviso({});
    if (m_dados)
        m_dados->hide();
    setTextoAviso(aviso, texto);
    aviso->show();
    btnConfirmar()->hide();
    mostraImpressao(false);
    btnEditaPeriodo()->setEnabled(false);
    btnExcluiPeriodo()->setEnabled(false);
}

QLabel *TfraQuadroTrimestral::criarAvisoVermelho(const QString &texto, QWidget *parent)
{
    auto *aviso = new QLabel(parent);
    aviso->setObjectName(QStringLiteral("lblAviso"));
    setTextoAviso(aviso, texto);
    aviso->setAlignment(Qt::AlignCenter);
    QFont f = aviso->font();
    f.setPixelSize(22);
    f.setBold(true);
    aviso->setFont(f);
    QPalette p = aviso->palette();
    p.setColor(QPalette::WindowText, Qt::red);
    aviso->setPalette(p);
    auto *sombra = new QGraphicsDropShadowEffect(aviso);
    sombra->setOffset(1, 1);
    sombra->setBlurRadius(0);
    sombra->setColor(Qt::white);
    aviso->setGraphicsEffect(sombra);
    aviso->hide();
    return aviso;
}

void TfraQuadroTrimestral::mensagemErro(const QString &texto)
{
    MensagemDlg(texto, TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
}

void TfraQuadroTrimestral::mensagemInformacao(const QString &texto)
{
    MensagemDlg(texto, TipoMensagem::Informacao, BotaoMensagem::Ok, {}, {}, this);
}

bool TfraQuadroTrimestral::eventFilter(QObject *objeto, QEvent *evento)
{
    // The notices cover the whole content area, whatever size the window takes.
    if (objeto == areaConteudo() && evento->type() == QEvent::Resize) {
        const auto rotulos = areaConteudo()->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
        for (QLabel *rotulo : rotulos)
            if (rotulo->objectName() == QLatin1String("AvisoQuadro"))
                rotulo->setGeometry(areaConteudo()->rect());
    }
    return TfraModeloQuadroPeriodo::eventFilter(objeto, evento);
}

} // namespace kelpa
