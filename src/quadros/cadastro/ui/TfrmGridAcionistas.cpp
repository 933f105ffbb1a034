#include "TfrmGridAcionistas.h"

#include "TfrmCadAcionista.h"
#include "TfrmDlgParticipacao.h"
#include "ValidadorCampo.h"

#include "app/ServicosOperadora.h"
#include "app/Utilitarios.h"
#include "app/ui/Avisos.h"
#include "app/ui/MensagemDlg.h"
#include "plataforma/FormatoBR.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kelpa {

namespace {
// The grid's columns and the order each one asks for.
const ParticipacoesPeriodo::Ordem kOrdens[] = {ParticipacoesPeriodo::Ordem::Nome, ParticipacoesPeriodo::Ordem::Documento,
                                               ParticipacoesPeriodo::Ordem::RedePropria, ParticipacoesPeriodo::Ordem::Quantidade,
                                               ParticipacoesPeriodo::Ordem::Quantidade};

QLabel *legendaGrupo(const QString &texto, QWidget *pai)
{
    auto *l = new QLabel(texto, pai);
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(QStringLiteral("background-color: palette(mid); color: white; font-weight: bold; padding: 2px;"));
    return l;
}
} // namespace

TfrmGridAcionistas::TfrmGridAcionistas(ContextoQuadro &contexto, QWidget *parent)
    : TfraQuadroGradeCadastro(contexto, QStringLiteral("Quadro 5: Acionistas/Quotistas"),
                              {{QStringLiteral("Nome/Razão Social"), 300},
                               {QStringLiteral("CPF/CNPJ"), 140},
                               {QStringLiteral("R.Própria"), 70, false},
                               {QStringLiteral("Qtd."), 110},
                               {QStringLiteral("%"), 70, true, false}},
                              Acionistas::tabelas(),
                              {QStringLiteral("Inclui acionista / cotista."), QStringLiteral("Exclui acionista / cotista."),
                               QStringLiteral("Edita acionista / cotista.")},
                              parent)
    , m_acionistas(contexto.db(), contexto.codOper())
{
    setObjectName(QStringLiteral("frmGridAcionistas"));
    setExcluiApenasNaoTransmitidas(true);

    m_pergunta = new QWidget(areaConteudo());
    m_pergunta->setObjectName(QStringLiteral("pnlPulverizado"));
    m_sim = new QRadioButton(QStringLiteral("Sim"), m_pergunta);
    m_sim->setObjectName(QStringLiteral("rbtPulvSim"));
    m_nao = new QRadioButton(QStringLiteral("Não"), m_pergunta);
    m_nao->setObjectName(QStringLiteral("rbtPulvNao"));
    auto *grupo = new QButtonGroup(this);
    grupo->addButton(m_sim);
    grupo->addButton(m_nao);
    auto *linhaPergunta = new QHBoxLayout(m_pergunta);
    linhaPergunta->setContentsMargins(0, 0, 0, 0);
    auto *textoPergunta = new QLabel(QStringLiteral("Totalmente pulverizado ?"), m_pergunta);
    QFont negrito = textoPergunta->font();
    negrito.setBold(true);
    textoPergunta->setFont(negrito);
    linhaPergunta->addWidget(textoPergunta);
    linhaPergunta->addWidget(m_sim);
    linhaPergunta->addWidget(m_nao);
    linhaPergunta->addStretch(1);

    m_pulverizados = new QLabel(QStringLiteral("Quotistas: pulverizados.\nA operadora não possui Quotistas que detenham mais\n"
                                               "de 5% de Quotas"),
                                areaConteudo());
    m_pulverizados->setObjectName(QStringLiteral("lblPulverizados"));
    m_pulverizados->setAlignment(Qt::AlignCenter);
    m_pulverizados->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold; font-size: 14px;"));
    m_pulverizados->setVisible(false);
    auto *layout = static_cast<QVBoxLayout *>(areaConteudo()->layout());
    layout->insertWidget(0, m_pergunta);
    layout->addWidget(m_pulverizados, 1);

    m_total = new QLineEdit(this);
    m_total->setObjectName(QStringLiteral("dedCotas"));
    m_total->setAlignment(Qt::AlignRight);
    m_total->setFixedWidth(150);
    m_total->setToolTip(QStringLiteral("Número total de ações/quotas da operadora."));
    ValidadorCampo::digitos(m_total, 15);
    auto *linhaTotal = new QHBoxLayout;
    linhaTotal->addWidget(new QLabel(QStringLiteral("Número total de ações/quotas da Operadora:"), this));
    linhaTotal->addWidget(m_total);
    linhaTotal->addStretch(1);
    areaAcima()->addLayout(linhaTotal);
    auto *legendas = new QHBoxLayout;
    legendas->setSpacing(0);
    legendas->addWidget(legendaGrupo(QStringLiteral("Acionistas/Quotistas"), this), 440);
    legendas->addWidget(legendaGrupo(QStringLiteral("Ações/Quotas"), this), 180);
    areaAcima()->addLayout(legendas);

    connect(m_total, &QLineEdit::textEdited, this, &TfrmGridAcionistas::alterado);
    connect(m_sim, &QRadioButton::clicked, this, [this] {
        m_cabecalho.pulverizado = true;
        mostraPulverizado();
        alterado();
    });
    connect(m_nao, &QRadioButton::clicked, this, [this] {
        m_cabecalho.pulverizado = false;
        mostraPulverizado();
        alterado();
    });
}

QString TfrmGridAcionistas::motivoIndisponivel()
{
    if (ServicosOperadora(contexto().db(), contexto().codOper()).QuadroAcionistasDisponivel())
        return {};
    return QStringLiteral("Este quadro não está disponivel para a Natureza \rJurídica escolhida.");
}

void TfrmGridAcionistas::InicializaFrame()
{
    TfraQuadroGradeCadastro::InicializaFrame();
    m_alterado = false;
    if (indisponivel()) {
        m_pergunta->setVisible(false);
        m_pulverizados->setVisible(false);
        btnConfirmar()->setVisible(false);
        return;
    }
    m_cabecalho = m_acionistas.Cabecalho(periodoSelecionado());
    m_perguntaPulverizado = Acionistas::PerguntaPulverizado(ServicosOperadora(contexto().db(), contexto().codOper()).ModalidadeOperadora());
    // A cooperative's capital is never wholly spread out.
    if (!m_perguntaPulverizado)
        m_cabecalho.pulverizado = false;
    m_total->setText(m_cabecalho.total ? QString::number(*m_cabecalho.total) : QString());
    // The percentages are of this total.
    recarrega();
    m_pergunta->setVisible(m_perguntaPulverizado);
    (m_cabecalho.pulverizado ? m_sim : m_nao)->setChecked(true);
    mostraPulverizado();
    btnConfirmar()->setVisible(true);
    btnConfirmar()->setEnabled(false);
}

void TfrmGridAcionistas::HabilitaPeriodoFrame(bool habilita)
{
    TfraQuadroGradeCadastro::HabilitaPeriodoFrame(habilita);
    m_total->setEnabled(habilita);
    m_sim->setEnabled(habilita);
    m_nao->setEnabled(habilita);
}

void TfrmGridAcionistas::mostraPulverizado()
{
    painelGrade()->setVisible(!indisponivel() && !m_cabecalho.pulverizado);
    m_pulverizados->setVisible(!indisponivel() && m_cabecalho.pulverizado);
}

void TfrmGridAcionistas::alterado()
{
    m_alterado = true;
    btnConfirmar()->setEnabled(true);
}

QList<LinhaGrade> TfrmGridAcionistas::leLinhas(const QDate &periodo, int coluna, bool decrescente)
{
    m_lista = m_acionistas.participacoes().Lista(periodo, kOrdens[std::clamp(coluna, 0, 4)], decrescente);
    const qint64 total = TfrmDlgParticipacao::quantidadeDoCampo(m_total).value_or(0);
    QList<LinhaGrade> linhas;
    for (const Participacao &p : std::as_const(m_lista)) {
        const QString rede = p.redePropria == QLatin1String("T")   ? QStringLiteral("Sim")
                             : p.redePropria == QLatin1String("F") ? QStringLiteral("Não")
                                                                   : QString();
        linhas.append({{p.nome.toUpper(), FormataDocumento(p.documento), rede, FormatoBR::inteiro(p.quantidade),
                        ParticipacoesPeriodo::Percentual(p.quantidade, total)},
                       p.estadoTransmissao});
    }
    return linhas;
}

CabecalhoAcionistas TfrmGridAcionistas::cabecalhoDigitado() const
{
    CabecalhoAcionistas c = m_cabecalho;
    c.total = TfrmDlgParticipacao::quantidadeDoCampo(m_total);
    return c;
}

void TfrmGridAcionistas::gravaCabecalhoPendente()
{
    const CabecalhoAcionistas c = cabecalhoDigitado();
    if (!m_alterado || !c.total)
        return;
    m_acionistas.GravaCabecalho(periodoSelecionado(), c);
    m_cabecalho = m_acionistas.Cabecalho(periodoSelecionado());
    m_alterado = false;
}

void TfrmGridAcionistas::abreDialogo(const Participacao &linha)
{
    // A holder is measured against the total typed: that total is saved first.
    gravaCabecalhoPendente();
    TfrmCadAcionista dialogo(contexto().db(), contexto().codOper(), m_acionistas.participacoes(), periodoSelecionado(), this);
    dialogo.setLinha(linha);
    dialogo.setTotal(TfrmDlgParticipacao::quantidadeDoCampo(m_total).value_or(0));
    if (dialogo.exec() == QDialog::Accepted)
        btnConfirmar()->setEnabled(true);
}

void TfrmGridAcionistas::incluiLinha()
{
    Participacao nova;
    nova.redePropria = QStringLiteral("F");
    abreDialogo(nova);
}

void TfrmGridAcionistas::editaLinha(int linha)
{
    abreDialogo(m_lista.at(linha));
}

void TfrmGridAcionistas::excluiLinha(int linha)
{
    m_acionistas.periodos().ExcluiPessoa(periodoSelecionado(), m_lista.at(linha).idPsoa);
    btnConfirmar()->setEnabled(true);
}

bool TfrmGridAcionistas::CriticaDados()
{
    if (indisponivel())
        return true;
    const CabecalhoAcionistas c = cabecalhoDigitado();
    if (!c.pulverizado) {
        if (!c.total) {
            MostraAvisoPreenchimento({QStringLiteral(">> Número total de Ações/Quotas da Operadora")}, this);
            m_total->setFocus();
            return false;
        }
        switch (Acionistas::ConfereTotal(*c.total, m_acionistas.participacoes().Soma(periodoSelecionado()))) {
        case Acionistas::Conferencia::Maior:
            MensagemDlg(Acionistas::MensagemMaior(), TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
            m_total->setFocus();
            return false;
        case Acionistas::Conferencia::Menor:
            MensagemDlg(Acionistas::MensagemMenor(), TipoMensagem::Informacao, BotaoMensagem::Ok, {}, {}, this);
            break;
        case Acionistas::Conferencia::Igual:
            break;
        }
    }
    // A failed save is told and the quadro stays open with what was typed.
    return executarProtegido([&] { m_acionistas.GravaCabecalho(periodoSelecionado(), c); });
}

bool TfrmGridAcionistas::CriticaCancelar()
{
    if (indisponivel())
        return true;
    // What stays stored when the typing is dropped must add up.
    const CabecalhoAcionistas gravado = m_acionistas.Cabecalho(periodoSelecionado());
    if (gravado.pulverizado
        || Acionistas::ConfereTotal(gravado.total.value_or(0), m_acionistas.participacoes().Soma(periodoSelecionado()))
               != Acionistas::Conferencia::Maior)
        return true;
    MensagemDlg(Acionistas::MensagemMaior(), TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
    m_total->setFocus();
    return false;
}

} // namespace kelpa
