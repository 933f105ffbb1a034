#include "TfrmCadRepresentante.h"

#include "AcoesPeriodoCadastro.h"
#include "SelecaoPessoa.h"
#include "TfrmCadastroPessoa.h"

#include "app/Utilitarios.h"
#include "app/ui/Avisos.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

namespace {

QString cepFormatado(const QString &cep)
{
    return cep.size() == 8 ? cep.left(5) + QLatin1Char('-') + cep.mid(5) : cep;
}

void somenteLeitura(QLineEdit *campo)
{
    campo->setReadOnly(true);
    campo->setFocusPolicy(Qt::NoFocus);
    QPalette p = campo->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    campo->setPalette(p);
}

} // namespace

TfrmCadRepresentante::TfrmCadRepresentante(ContextoQuadro &contexto, QWidget *parent)
    : TfraModeloQuadroPeriodo(contexto, parent)
    , m_representante(contexto.db(), contexto.codOper())
{
    setObjectName(QStringLiteral("frmCadRepresentante"));
    setTitulo(QStringLiteral("Quadro 4: Representante junto à QOR"));
    setTipoPeriodo(TipoPeriodo::Intervalo);

    m_painel = new QWidget(areaConteudo());
    m_painel->setObjectName(QStringLiteral("pnlDados"));
    m_nome = new QLineEdit(m_painel);
    m_nome->setObjectName(QStringLiteral("cmbNome"));
    m_nome->setReadOnly(true);
    m_nome->setToolTip(QStringLiteral("Nome do Representante da Operadora junto à QOR.\n"
                                      "O Representante será um dos Administradores da Operadora.\n"
                                      "Clique no botão \"...\" para selecionar o Representante."));
    m_btSeleciona = botaoSelecao(m_painel, QStringLiteral("btSeleciona"));
    m_btManutencao = new QToolButton(m_painel);
    m_btManutencao->setObjectName(QStringLiteral("btManutencaoPessoa"));
    m_btManutencao->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    m_btManutencao->setToolTip(QStringLiteral("Altera dados da pessoa."));
    m_cpf = new QLineEdit(m_painel);
    m_cpf->setObjectName(QStringLiteral("edtCPF"));
    m_cpf->setFixedWidth(130);
    m_cpf->setToolTip(QStringLiteral("Campo não disponível para preenchimento. O CPF\n"
                                     "será informado automaticamente pelo sistema de acordo \n"
                                     "com o preenchimento do Quadro 3 - Administrador."));
    somenteLeitura(m_cpf);

    auto *linhaNome = new QHBoxLayout;
    linhaNome->addLayout(campoRotulado(m_painel, QStringLiteral("Nome:"), m_nome, m_btSeleciona), 1);
    auto *colunaManutencao = new QVBoxLayout;
    colunaManutencao->addStretch(1);
    colunaManutencao->addWidget(m_btManutencao);
    linhaNome->addLayout(colunaManutencao);
    linhaNome->addSpacing(12);
    linhaNome->addLayout(campoRotulado(m_painel, QStringLiteral("CPF:"), m_cpf));

    auto *grupoEndereco = new QGroupBox(QStringLiteral("Endereço Domiciliar do Representante Legal"), m_painel);
    auto *layoutEndereco = new QVBoxLayout(grupoEndereco);
    m_endereco = criaCaixasEndereco(grupoEndereco, layoutEndereco,
                                    {QStringLiteral("Logradouro (Rua, AV., etc.)"), QStringLiteral("Complemento (AP., Bl., Cs.)"),
                                     QStringLiteral("Bairro ou Distrito")});
    m_endereco.btnMunicipio->setVisible(false);
    m_endereco.cep->setInputMask(QString());
    for (QLineEdit *campo : {m_endereco.logradouro, m_endereco.numero, m_endereco.complemento, m_endereco.bairro, m_endereco.municipio,
                             m_endereco.uf, m_endereco.cep})
        somenteLeitura(campo);
    m_email = new QLineEdit(grupoEndereco);
    m_email->setObjectName(QStringLiteral("edtEmail"));
    somenteLeitura(m_email);
    layoutEndereco->addLayout(campoRotulado(grupoEndereco, QStringLiteral("E-mail de contato"), m_email));

    auto *grupoTelefone = new QGroupBox(QStringLiteral(" Telefone "), m_painel);
    m_telefones = criaGradeTelefones(grupoTelefone);
    m_telefones->setMaximumHeight(110);
    auto *layoutTelefone = new QHBoxLayout(grupoTelefone);
    layoutTelefone->addWidget(m_telefones);
    layoutTelefone->addStretch(1);

    auto *layoutPainel = new QVBoxLayout(m_painel);
    layoutPainel->setContentsMargins(0, 0, 0, 0);
    layoutPainel->addLayout(linhaNome);
    layoutPainel->addWidget(grupoEndereco);
    layoutPainel->addWidget(grupoTelefone);
    layoutPainel->addStretch(1);
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_painel);
    setMinimumSize(640, 440);

    connect(m_btSeleciona, &QToolButton::clicked, this, &TfrmCadRepresentante::SelecionaRepresentante);
    connect(m_btManutencao, &QToolButton::clicked, this, &TfrmCadRepresentante::AlteraPessoa);
    btnConfirmar()->setEnabled(false);
    HabilitaPeriodoFrame(false);
}

QList<QDate> TfrmCadRepresentante::PreparaQueryComboPeriodo()
{
    return m_representante.periodos().Periodos();
}

void TfrmCadRepresentante::InicializaFrame()
{
    TfraModeloQuadroPeriodo::InicializaFrame();
    const QDate periodo = periodoSelecionado();
    contexto().estado.setDtVigencia(periodo);
    m_indisponivel = AcoesPeriodoCadastro::Indisponivel(contexto(), areaConteudo(), periodo);
    m_painel->setVisible(!m_indisponivel);
    btnConfirmar()->setVisible(!m_indisponivel);
    btnConfirmar()->setEnabled(false);
    m_alterado = false;
    if (m_indisponivel) {
        HabilitaPeriodoFrame(false);
        habilitaBotoesPeriodo(false, false);
        return;
    }
    m_linha = m_representante.Carrega(periodo);
    mostraPessoa(m_linha.idPsoa);
    if (maisRecenteSelecionado())
        EditaPeriodoFrame();
    else
        HabilitaPeriodoFrame(false);
}

void TfrmCadRepresentante::HabilitaPeriodoFrame(bool habilita)
{
    m_editando = habilita && !m_indisponivel;
    m_nome->setEnabled(m_editando);
    m_btSeleciona->setEnabled(m_editando);
    m_btManutencao->setEnabled(m_editando && m_idPsoa > 0);
    habilitaBotoesPeriodo(true, !maisRecenteSelecionado());
}

void TfrmCadRepresentante::EditaPeriodoFrame()
{
    HabilitaPeriodoFrame(true);
    m_btSeleciona->setFocus();
}

void TfrmCadRepresentante::mostraPessoa(int idPsoa)
{
    const auto pessoa = m_representante.Pessoa(idPsoa);
    const DadosPessoa d = pessoa ? pessoa->dados : DadosPessoa{};
    m_idPsoa = pessoa ? idPsoa : 0;
    m_nome->setText(d.nome);
    m_cpf->setText(FormataDocumento(d.documento));
    m_endereco.logradouro->setText(d.logradouro);
    m_endereco.numero->setText(d.numero);
    m_endereco.complemento->setText(d.complemento);
    m_endereco.bairro->setText(d.bairro);
    m_endereco.municipio->setText(d.nomeMunicipio);
    m_endereco.uf->setText(d.uf);
    m_endereco.cep->setText(cepFormatado(d.cep));
    m_email->setText(d.email);
    mostraTelefones(m_telefones, pessoa ? pessoa->telefones : QList<Telefone>{});
    m_btManutencao->setEnabled(m_editando && m_idPsoa > 0);
}

void TfrmCadRepresentante::SelecionaRepresentante()
{
    if (!m_editando)
        return;
    const auto escolhida = SelecaoPessoa::Escolhe(this, contexto().db(), contexto().codOper(), CadastroPessoas::FiltroTipo::Fisicas, true,
                                                  QStringLiteral("Não há Administradores cadastrados"));
    if (escolhida) {
        // The number picked, never a name looked up again: two persons may share one.
        mostraPessoa(escolhida->idPsoa);
        m_alterado = m_idPsoa != m_linha.idPsoa || !m_linha.existe;
        btnConfirmar()->setEnabled(true);
    }
    m_btManutencao->setEnabled(m_editando && m_idPsoa > 0);
}

void TfrmCadRepresentante::AlteraPessoa()
{
    if (!m_editando || m_idPsoa <= 0)
        return;
    if (SelecaoPessoa::Edita(this, contexto().db(), contexto().codOper(), m_idPsoa, TfrmCadastroPessoa::Representante))
        btnConfirmar()->setEnabled(true);
    mostraPessoa(m_idPsoa);
}

bool TfrmCadRepresentante::avisaSemRepresentante()
{
    return MostraAvisoPreenchimento({QStringLiteral(">> Nenhum Representante Cadastrado")}, this);
}

bool TfrmCadRepresentante::CriticaDados()
{
    if (m_indisponivel || !m_editando)
        return true;
    if (m_idPsoa <= 0) {
        avisaSemRepresentante();
        return false;
    }
    if (!m_alterado)
        return true;
    MostraAvisoUsuario(Representante::AvisoAlteracao(), this);
    m_representante.Grava(periodoSelecionado(), m_idPsoa);
    m_alterado = false;
    m_linha = m_representante.Carrega(periodoSelecionado());
    return true;
}

bool TfrmCadRepresentante::CriticaCancelar()
{
    // The period being edited is not left without a representative while one can be chosen.
    if (m_indisponivel || !m_editando || m_idPsoa > 0 || !m_representante.HaAdministradoresAtivos())
        return true;
    avisaSemRepresentante();
    return false;
}

void TfrmCadRepresentante::CancelaOperacaoFrame()
{
    m_alterado = false;
    if (!m_indisponivel)
        mostraPessoa(m_linha.idPsoa);
}

void TfrmCadRepresentante::IncluiPeriodoFrame()
{
    CancelaOperacaoFrame();
    AcoesPeriodoCadastro::Inclui(this, m_representante.periodos(), NovaData());
}

void TfrmCadRepresentante::CopiaPeriodoFrame()
{
    CancelaOperacaoFrame();
    AcoesPeriodoCadastro::Copia(this, m_representante.periodos(), NovaData());
}

void TfrmCadRepresentante::ExcluiPeriodoFrame()
{
    AcoesPeriodoCadastro::Exclui(this, m_representante.periodos(), periodoSelecionado());
}

} // namespace kelpa
