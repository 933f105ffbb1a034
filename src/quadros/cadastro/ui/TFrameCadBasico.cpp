#include "TFrameCadBasico.h"

#include "SelecaoPessoa.h"
#include "TfrmCadastroPessoa.h"
#include "TfrmListaPessoa.h"
#include "ValidadorCampo.h"

#include "quadros/cadastro/CadastroPessoas.h"

#include "app/ServicosOperadora.h"
#include "app/ui/Avisos.h"
#include "app/ui/MensagemDlg.h"
#include "plataforma/FormatoBR.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

namespace {

const QString kFundacaoVazia = QStringLiteral("//");

struct TipoResponsavel {
    int tipo;
    const char *sufixo;
    QString rotulo;
    QString dica;
};

const TipoResponsavel kTipos[] = {
    {1, "Contabil", QStringLiteral("Contabilidade :"),
     QStringLiteral("Número do contador ou da empresa de contabilidade no Conselho Regional de Contabilidade,\n"
                    "precedido da sigla do estado emissor.")},
    {2, "Atuaria", QStringLiteral("Atuária :"),
     QStringLiteral("Número do atuário ou da empresa de atuária no Instituto Brasileiro de Atuária.")},
    {3, "Auditor", QStringLiteral("Auditoria :"),
     QStringLiteral("Número do auditor ou da empresa de auditoria na Comissão de Valores Mobiliários.")},
};

} // namespace

TFrameCadBasico::TFrameCadBasico(ContextoQuadro &contexto, QWidget *parent)
    : TfraModeloQuadroPeriodo(contexto, parent)
    , m_basicos(contexto.db(), contexto.codOper())
{
    setObjectName(QStringLiteral("FrameCadBasico"));
    setTitulo(QStringLiteral("Quadro 2: Dados Básicos"));
    setTipoPeriodo(TipoPeriodo::Intervalo);

    m_painel = new QWidget(areaConteudo());
    m_painel->setObjectName(QStringLiteral("pnlDados"));
    m_lblFundacao = new QLabel(QStringLiteral("Fundação"), m_painel);
    m_fundacao = new QLineEdit(m_painel);
    m_fundacao->setObjectName(QStringLiteral("dtFundacao"));
    m_fundacao->setInputMask(QStringLiteral("00/00/0000;_"));
    m_fundacao->setFixedWidth(100);
    m_lblFuncionarios = new QLabel(QStringLiteral("Qtd.Funcionários"), m_painel);
    m_funcionarios = new QLineEdit(m_painel);
    m_funcionarios->setObjectName(QStringLiteral("medQtdeFunc"));
    ValidadorCampo::digitos(m_funcionarios, 6);
    m_funcionarios->setFixedWidth(100);
    m_funcionarios->setAlignment(Qt::AlignRight);
    // Kept in the table, not asked on screen.
    m_patrimonio = new QLineEdit(m_painel);
    m_patrimonio->setObjectName(QStringLiteral("edtPatrimonio"));
    ValidadorCampo::valores(m_patrimonio, 15);
    m_patrimonio->setVisible(false);
    m_patrimonio->setEnabled(false);

    auto *cabecalho = new QFrame(m_painel);
    cabecalho->setFrameShape(QFrame::StyledPanel);
    cabecalho->setAutoFillBackground(true);
    QPalette p = cabecalho->palette();
    p.setColor(QPalette::Window, p.color(QPalette::Mid));
    p.setColor(QPalette::WindowText, Qt::white);
    cabecalho->setPalette(p);
    auto *lc = new QHBoxLayout(cabecalho);
    lc->setContentsMargins(6, 2, 6, 2);
    auto *lblResponsaveis = new QLabel(QStringLiteral("Responsáveis"), cabecalho);
    auto *lblRegistro = new QLabel(QStringLiteral("Registro"), cabecalho);
    QFont negrito = lblResponsaveis->font();
    negrito.setBold(true);
    lblResponsaveis->setFont(negrito);
    lblRegistro->setFont(negrito);
    lc->addWidget(lblResponsaveis);
    lc->addStretch(1);
    lc->addWidget(lblRegistro);
    lc->addSpacing(90);

    auto *grade = new QGridLayout(m_painel);
    grade->addWidget(m_lblFundacao, 0, 0);
    grade->addWidget(m_fundacao, 0, 1);
    grade->addWidget(m_lblFuncionarios, 1, 0);
    grade->addWidget(m_funcionarios, 1, 1);
    grade->setRowMinimumHeight(2, 12);
    grade->addWidget(cabecalho, 3, 0, 1, 5);
    for (const auto &t : kTipos) {
        LinhaResponsavel &l = m_linhas.at(static_cast<size_t>(t.tipo - 1));
        const QString sufixo = QLatin1String(t.sufixo);
        l.rotulo = new QLabel(t.rotulo, m_painel);
        l.nome = new QLineEdit(m_painel);
        l.nome->setObjectName(QStringLiteral("cmb") + sufixo);
        l.nome->setReadOnly(true);
        l.nome->setToolTip(QStringLiteral("Escolha a pessoa pelo botão \"...\" ou cadastre uma nova pelo botão \"+\".\n"
                                          "Delete retira o responsável."));
        l.nome->installEventFilter(this);
        l.btnSeleciona = new QToolButton(m_painel);
        l.btnSeleciona->setObjectName(QStringLiteral("btSeleciona_") + sufixo);
        l.btnSeleciona->setText(QStringLiteral("..."));
        l.btnSeleciona->setToolTip(QStringLiteral("Abre diálogo de seleção."));
        l.btnInclui = new QToolButton(m_painel);
        l.btnInclui->setObjectName(QStringLiteral("btIncluir_") + sufixo);
        l.btnInclui->setText(QStringLiteral("+"));
        l.btnInclui->setToolTip(QStringLiteral("Cadastra uma nova pessoa."));
        l.registro = new QLineEdit(m_painel);
        l.registro->setObjectName(QStringLiteral("edtReg_") + sufixo);
        l.registro->setToolTip(t.dica);
        ValidadorCampo::alfaNumerico(l.registro, 13);
        l.registro->setFixedWidth(130);
        const int linhaGrade = 3 + t.tipo;
        grade->addWidget(l.rotulo, linhaGrade, 0);
        grade->addWidget(l.nome, linhaGrade, 1);
        grade->addWidget(l.btnSeleciona, linhaGrade, 2);
        grade->addWidget(l.btnInclui, linhaGrade, 3);
        grade->addWidget(l.registro, linhaGrade, 4);
        const int tipo = t.tipo;
        connect(l.btnSeleciona, &QToolButton::clicked, this, [this, tipo] { SelecionaResponsaveis(tipo); });
        connect(l.btnInclui, &QToolButton::clicked, this, [this, tipo] { IncluiPessoa(tipo); });
        connect(l.registro, &QLineEdit::textEdited, this, &TFrameCadBasico::alterado);
    }
    grade->setColumnStretch(1, 1);
    grade->setRowStretch(7, 1);
    connect(m_fundacao, &QLineEdit::textEdited, this, &TFrameCadBasico::alterado);
    connect(m_funcionarios, &QLineEdit::textEdited, this, &TFrameCadBasico::alterado);
    connect(m_fundacao, &QLineEdit::editingFinished, this, [this] {
        if (m_editando && isVisible())
            conferirFundacao();
    });

    auto *layout = new QVBoxLayout(areaConteudo());
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_painel);
    setMinimumSize(640, 380);
    btnConfirmar()->setEnabled(false);
    HabilitaPeriodoFrame(false);
}

QList<QDate> TFrameCadBasico::PreparaQueryComboPeriodo()
{
    return m_basicos.Periodos();
}

void TFrameCadBasico::avisa(const QString &texto)
{
    if (contexto().exibeAviso)
        contexto().exibeAviso(texto.isEmpty() ? nullptr : areaConteudo(), texto);
}

void TFrameCadBasico::InicializaFrame()
{
    TfraModeloQuadroPeriodo::InicializaFrame();
    const QDate periodo = periodoSelecionado();
    contexto().estado.setDtVigencia(periodo);
    m_gravado = false;
    m_indisponivel = false;
    avisa({});
    m_painel->setVisible(true);
    btnConfirmar()->setVisible(true);
    btnConfirmar()->setEnabled(false);

    ServicosOperadora servicos(contexto().db(), contexto().codOper());
    m_modalidade = servicos.ModalidadeOperadora();
    const QString submodalidade = servicos.SubmodalidadeOperadora();
    QString aviso;
    if (!periodo.isValid() || !servicos.CadastroCompleto())
        aviso = QStringLiteral("Quadro não disponível. Preencha todos os dados do\rQuadro 1: Cadastro.");
    else if (DadosBasicos::Dispensada(periodo, m_modalidade, submodalidade))
        aviso = ServicosOperadora::MensagemDispensa(m_modalidade);
    if (!aviso.isEmpty()) {
        // Older periods stay reachable in the period box: they may still have to be filled.
        m_indisponivel = true;
        m_painel->setVisible(false);
        btnConfirmar()->setVisible(false);
        HabilitaPeriodoFrame(false);
        avisa(aviso);
        habilitaBotoesPeriodo(false, false);
        return;
    }

    m_basicos.RemoveAtuariaAdministradora(m_modalidade);
    m_dados = m_basicos.Carrega(periodo);
    mostra();
    const bool editar = maisRecenteSelecionado() || m_editarNovo;
    m_editarNovo = false;
    HabilitaPeriodoFrame(editar);
    habilitaBotoesPeriodo(true, !maisRecenteSelecionado());
    btnConfirmar()->setEnabled(false);
}

void TFrameCadBasico::mostra()
{
    m_mostrando = true;
    const bool fundacao = DadosBasicos::MostraFundacao(m_dados.periodo);
    m_lblFundacao->setVisible(fundacao);
    m_fundacao->setVisible(fundacao);
    m_lblFuncionarios->setVisible(fundacao);
    m_funcionarios->setVisible(fundacao);
    m_fundacao->setText(m_dados.fundacao.isValid() ? FormatoBR::data(m_dados.fundacao) : QString());
    m_funcionarios->setText(m_dados.funcionarios ? QString::number(*m_dados.funcionarios) : QString());
    m_patrimonio->setText(FormatoBR::valor(m_dados.capitalProprio));
    const bool atuaria = DadosBasicos::MostraAtuaria(m_dados.periodo, m_modalidade);
    for (int tipo = 1; tipo <= 3; ++tipo) {
        const LinhaResponsavel &l = linha(tipo);
        const ResponsavelBasico &r = m_dados.responsavel(tipo);
        l.nome->setText(r.preenchido() ? r.nome : QString());
        l.registro->setText(r.registro);
        const bool visivel = tipo != 2 || atuaria;
        for (QWidget *w : {static_cast<QWidget *>(l.rotulo), static_cast<QWidget *>(l.nome), static_cast<QWidget *>(l.btnSeleciona),
                           static_cast<QWidget *>(l.btnInclui), static_cast<QWidget *>(l.registro)})
            w->setVisible(visivel);
    }
    m_mostrando = false;
}

void TFrameCadBasico::HabilitaPeriodoFrame(bool habilita)
{
    m_editando = habilita && !m_indisponivel;
    m_fundacao->setEnabled(m_editando);
    m_funcionarios->setEnabled(m_editando);
    for (int tipo = 1; tipo <= 3; ++tipo) {
        const LinhaResponsavel &l = linha(tipo);
        l.nome->setEnabled(m_editando);
        l.btnSeleciona->setEnabled(m_editando);
        l.registro->setEnabled(m_editando);
        // A new person is for an empty row only.
        l.btnInclui->setEnabled(m_editando && !m_dados.responsavel(tipo).preenchido());
    }
}

void TFrameCadBasico::alterado()
{
    if (m_editando && !m_mostrando)
        btnConfirmar()->setEnabled(true);
}

void TFrameCadBasico::escolhePessoa(int tipo, int idPsoa)
{
    const auto pessoa = CadastroPessoas(contexto().db(), contexto().codOper()).Pessoa(idPsoa);
    if (!pessoa)
        return;
    ResponsavelBasico &r = m_dados.responsavel(tipo);
    r.idPsoa = pessoa->idPsoa;
    r.nome = pessoa->nome;
    const LinhaResponsavel &l = linha(tipo);
    l.nome->setText(r.nome);
    l.btnInclui->setEnabled(false);
    l.registro->setFocus();
    btnConfirmar()->setEnabled(true);
}

void TFrameCadBasico::SelecionaResponsaveis(int tipo)
{
    if (!m_editando)
        return;
    TfrmListaPessoa lista(contexto().db(), contexto().codOper(), CadastroPessoas::FiltroTipo::Ambas, false, false, this);
    if (lista.exec() != QDialog::Accepted)
        return;
    if (const auto escolhida = lista.escolhida())
        escolhePessoa(tipo, escolhida->idPsoa);
}

void TFrameCadBasico::IncluiPessoa(int tipo)
{
    if (!m_editando || m_dados.responsavel(tipo).preenchido())
        return;
    if (const auto nova = SelecaoPessoa::Cria(this, contexto().db(), contexto().codOper(), TfrmCadastroPessoa::Responsaveis))
        escolhePessoa(tipo, *nova);
}

void TFrameCadBasico::RetiraResponsavel(int tipo)
{
    if (!m_editando)
        return;
    ResponsavelBasico &r = m_dados.responsavel(tipo);
    const LinhaResponsavel &l = linha(tipo);
    if (!DadosBasicos::PodeRetirar(r)) {
        MensagemDlg(QStringLiteral("Responsável já transmitido!\rExclusão Cancelada"), TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, this);
        l.nome->setText(r.nome);
        l.nome->setFocus();
        return;
    }
    if (!r.preenchido())
        return;
    r.idPsoa = -1;
    r.nome.clear();
    r.registro.clear();
    l.nome->clear();
    l.registro->clear();
    l.btnInclui->setEnabled(true);
    btnConfirmar()->setEnabled(true);
}

bool TFrameCadBasico::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent *>(evento)->key();
        for (int tipo = 1; tipo <= 3; ++tipo) {
            if (objeto != linha(tipo).nome)
                continue;
            if (tecla == Qt::Key_Delete || tecla == Qt::Key_Backspace) {
                RetiraResponsavel(tipo);
                return true;
            }
        }
    }
    return TfraModeloQuadroPeriodo::eventFilter(objeto, evento);
}

bool TFrameCadBasico::conferirFundacao()
{
    const QString texto = m_fundacao->text();
    if (texto == kFundacaoVazia || FormatoBR::lerData(texto))
        return true;
    MensagemDlg(QStringLiteral("Digite uma data válida para a fundação"), TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
    QTimer::singleShot(0, m_fundacao, [campo = m_fundacao] { campo->setFocus(); });
    return false;
}

bool TFrameCadBasico::coleta()
{
    if (DadosBasicos::MostraFundacao(m_dados.periodo)) {
        if (!conferirFundacao())
            return false;
        m_dados.fundacao = FormatoBR::lerData(m_fundacao->text()).value_or(QDate());
        const QString funcionarios = m_funcionarios->text().trimmed();
        m_dados.funcionarios = funcionarios.isEmpty() ? std::nullopt : std::optional<qint64>(funcionarios.toLongLong());
    }
    for (int tipo = 1; tipo <= 3; ++tipo)
        m_dados.responsavel(tipo).registro = linha(tipo).registro->text().trimmed();
    return true;
}

bool TFrameCadBasico::CriticaDados()
{
    if (!m_editando || m_indisponivel)
        return true;
    if (!coleta())
        return false;
    if (MostraAvisoPreenchimento(DadosBasicos::ItensFaltantes(m_dados), this))
        return false;
    m_basicos.Grava(m_dados);
    m_gravado = true;
    return true;
}

void TFrameCadBasico::FinalizaFrame()
{
    if (m_gravado && m_painel->isVisible())
        MensagemDlg(QStringLiteral("Dados Gravados com sucesso..."), TipoMensagem::Informacao, BotaoMensagem::Ok, {}, {}, this);
    m_gravado = false;
    HabilitaPeriodoFrame(false);
}

void TFrameCadBasico::EditaPeriodoFrame()
{
    HabilitaPeriodoFrame(true);
}

void TFrameCadBasico::IncluiPeriodoFrame()
{
    if (!m_basicos.IncluiPeriodo(NovaData())) {
        MensagemDlg(QStringLiteral("Período já Cadastrado"), TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, this);
        return;
    }
    m_editarNovo = true;
}

void TFrameCadBasico::CopiaPeriodoFrame()
{
    if (!m_basicos.CopiaPeriodo(NovaData())) {
        MensagemDlg(QStringLiteral("Período já Cadastrado"), TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, this);
        return;
    }
    m_editarNovo = true;
}

void TFrameCadBasico::AlteraPeriodoFrame()
{
}

void TFrameCadBasico::ExcluiPeriodoFrame()
{
    if (!m_basicos.ExcluiPeriodo(periodoSelecionado()))
        MensagemDlg(QStringLiteral("O período tem dados já transmitidos e não foi excluído."), TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {},
                    this);
}

void TFrameCadBasico::CancelaOperacaoFrame()
{
    for (int tipo = 1; tipo <= 3; ++tipo)
        linha(tipo).nome->clear();
    HabilitaPeriodoFrame(false);
}

} // namespace kelpa
