#include "TFrameCadComplemento.h"

#include "BlocoEndereco.h"
#include "TfrmCadastroTelefone.h"
#include "TfrmListaMunicipio.h"
#include "TfrmRegiaoAtuacao.h"
#include "ValidadorCampo.h"

#include "quadros/cadastro/RegiaoAtuacao.h"

#include "app/banco/ErroBanco.h"
#include "app/ui/Avisos.h"
#include "app/ui/MensagemDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

namespace {

const QDate k2003(2003, 1, 1);
const QDate k2005(2005, 1, 1);

QLineEdit *somenteLeitura(QWidget *pai, const char *nome)
{
    auto *campo = new QLineEdit(pai);
    campo->setObjectName(QLatin1String(nome));
    campo->setReadOnly(true);
    campo->setFocusPolicy(Qt::NoFocus);
    return campo;
}

// Municipality boxes take no typing; Delete or Backspace empties them.
class FiltroMunicipio : public QObject
{
public:
    FiltroMunicipio(QObject *pai, std::function<void()> limpar)
        : QObject(pai)
        , m_limpar(std::move(limpar))
    {
    }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::KeyPress) {
            const int tecla = static_cast<QKeyEvent *>(evento)->key();
            if (tecla == Qt::Key_Delete || tecla == Qt::Key_Backspace) {
                if (static_cast<QWidget *>(objeto)->isEnabled())
                    m_limpar();
                return true;
            }
        }
        return QObject::eventFilter(objeto, evento);
    }

private:
    std::function<void()> m_limpar;
};

} // namespace

TFrameCadComplemento::TFrameCadComplemento(ContextoQuadro &contexto, QWidget *parent)
    : TfraModeloQuadroPeriodo(contexto, parent)
    , m_cadastro(contexto.db(), contexto.codOper())
{
    setObjectName(QStringLiteral("FrameCadComplemento"));
    setTitulo(QStringLiteral("Quadro 1: Cadastro"));
    setTipoPeriodo(TipoPeriodo::Intervalo);
    QWidget *area = areaConteudo();

    m_nomeFantasia = new QLineEdit(area);
    m_nomeFantasia->setObjectName(QStringLiteral("edtNomeFantasia"));
    ValidadorCampo::maiusculas(m_nomeFantasia, 60);
    m_natureza = somenteLeitura(area, "dtxNaturezaJuridica");
    m_modalidade = somenteLeitura(area, "dbxModalidade");

    m_pnlSegmentoRegiao = new QStackedWidget(area);
    m_pnlSegmentoRegiao->setObjectName(QStringLiteral("pnlSegmentoRegiao"));
    auto *paginaSegmento = new QWidget(m_pnlSegmentoRegiao);
    m_segmento = new QComboBox(paginaSegmento);
    m_segmento->setObjectName(QStringLiteral("cmbSegmento"));
    m_regiao = somenteLeitura(paginaSegmento, "edtRegiao");
    m_regiao->setFixedWidth(100);
    m_btnRegiao = botaoSelecao(paginaSegmento, QStringLiteral("btnRegiao"));
    m_btnRegiao->setToolTip(QStringLiteral("Informa os municípios de atuação e calcula a região."));
    auto *linhaSegmento = new QHBoxLayout(paginaSegmento);
    linhaSegmento->setContentsMargins(0, 0, 0, 0);
    linhaSegmento->addWidget(new QLabel(QStringLiteral("Segmentação:"), paginaSegmento));
    linhaSegmento->addWidget(m_segmento, 1);
    linhaSegmento->addSpacing(12);
    linhaSegmento->addWidget(new QLabel(QStringLiteral("Região de Atuação:"), paginaSegmento));
    linhaSegmento->addWidget(m_regiao);
    linhaSegmento->addWidget(m_btnRegiao);
    m_pnlSegmentoRegiao->addWidget(paginaSegmento);
    // Insurers have neither: a blank panel covers the row.
    m_pnlSegmentoRegiao->addWidget(new QWidget(m_pnlSegmentoRegiao));

    auto *grupoMatriz = new QGroupBox(QStringLiteral("Endereço da Matriz"), area);
    m_matriz = criaEndereco(grupoMatriz, QString(), &m_dados.matriz);
    auto *grupoCorrespondencia = new QGroupBox(QStringLiteral("Endereço para Correspondência"), area);
    m_correspondencia = criaEndereco(grupoCorrespondencia, QStringLiteral("_C"), &m_dados.correspondencia);

    auto *grupoTelefones = new QGroupBox(QStringLiteral(" Telefone(s) "), area);
    m_telefones = criaGradeTelefones(grupoTelefones);
    m_telefones->setMinimumHeight(84);
    const BotoesTelefone botoesTelefone = criaBotoesTelefone(grupoTelefones);
    m_btnIncluirTelefone = botoesTelefone.incluir;
    m_btnEditarTelefone = botoesTelefone.editar;
    m_btnExcluirTelefone = botoesTelefone.excluir;
    dispoeTelefones(grupoTelefones, m_telefones, botoesTelefone);

    auto *grupoFax = new QGroupBox(QStringLiteral(" Fax "), area);
    m_exterior = new QCheckBox(QStringLiteral("Exterior"), grupoFax);
    m_exterior->setObjectName(QStringLiteral("chkExterior"));
    m_lblDDD = new QLabel(QStringLiteral("DDD"), grupoFax);
    m_ddd = new QLineEdit(grupoFax);
    m_ddd->setObjectName(QStringLiteral("edtDDD"));
    ValidadorCampo::digitos(m_ddd, 4);
    m_ddd->setFixedWidth(50);
    m_fax = new QLineEdit(grupoFax);
    m_fax->setObjectName(QStringLiteral("edtFax"));
    ValidadorCampo::digitos(m_fax, 8);
    m_fax->setMinimumWidth(100);
    dispoeFax(grupoFax, m_exterior, m_lblDDD, m_ddd, m_fax);

    auto *colunaEmail = new QWidget(area);
    m_email = new QLineEdit(colunaEmail);
    m_email->setObjectName(QStringLiteral("edtEmailOperadora"));
    ValidadorCampo::minusculas(m_email, 100);
    m_pnlSede = new QWidget(colunaEmail);
    m_pnlSede->setObjectName(QStringLiteral("pnlComercializaSede"));
    m_sedeSim = new QRadioButton(QStringLiteral("Sim"), m_pnlSede);
    m_sedeNao = new QRadioButton(QStringLiteral("Não"), m_pnlSede);
    auto *ls = new QHBoxLayout(m_pnlSede);
    ls->setContentsMargins(0, 0, 0, 0);
    ls->addWidget(new QLabel(QStringLiteral("Comercializa na Sede ?"), m_pnlSede));
    ls->addWidget(m_sedeSim);
    ls->addWidget(m_sedeNao);
    ls->addStretch(1);
    auto *le = new QVBoxLayout(colunaEmail);
    le->setContentsMargins(0, 0, 0, 0);
    le->addWidget(new QLabel(QStringLiteral("E-mail da Operadora"), colunaEmail));
    le->addWidget(m_email);
    le->addSpacing(8);
    le->addWidget(m_pnlSede);
    le->addStretch(1);

    auto *cabecalho = new QGridLayout;
    cabecalho->addWidget(new QLabel(QStringLiteral("Nome Fantasia:"), area), 0, 0);
    cabecalho->addWidget(m_nomeFantasia, 0, 1, 1, 3);
    cabecalho->addWidget(new QLabel(QStringLiteral("Natureza Jurídica:"), area), 1, 0);
    cabecalho->addWidget(m_natureza, 1, 1);
    cabecalho->addWidget(new QLabel(QStringLiteral("Modalidade:"), area), 1, 2);
    cabecalho->addWidget(m_modalidade, 1, 3);
    cabecalho->addWidget(m_pnlSegmentoRegiao, 2, 0, 1, 4);
    cabecalho->setColumnStretch(1, 4);
    cabecalho->setColumnStretch(3, 2);
    auto *meio = new QHBoxLayout;
    meio->addWidget(grupoTelefones, 3);
    meio->addWidget(grupoFax, 2);
    meio->addWidget(colunaEmail, 3);
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(cabecalho);
    layout->addWidget(grupoMatriz);
    layout->addLayout(meio);
    layout->addWidget(grupoCorrespondencia);
    layout->addStretch(1);
    setMinimumSize(780, 640);

    for (QLineEdit *campo : {m_nomeFantasia, m_ddd, m_fax, m_email})
        connect(campo, &QLineEdit::textEdited, this, &TFrameCadComplemento::alterado);
    connect(m_segmento, &QComboBox::activated, this, &TFrameCadComplemento::escolheSegmento);
    connect(m_btnRegiao, &QToolButton::clicked, this, &TFrameCadComplemento::abrirRegiao);
    connect(m_exterior, &QCheckBox::clicked, this, &TFrameCadComplemento::exteriorMudou);
    connect(m_btnIncluirTelefone, &QToolButton::clicked, this, &TFrameCadComplemento::incluirTelefone);
    connect(m_btnEditarTelefone, &QToolButton::clicked, this, &TFrameCadComplemento::editarTelefone);
    connect(m_btnExcluirTelefone, &QToolButton::clicked, this, &TFrameCadComplemento::excluirTelefone);
    connect(m_telefones, &QTableWidget::cellDoubleClicked, this, [this] {
        if (m_editando)
            editarTelefone();
    });
    connect(m_sedeSim, &QRadioButton::clicked, this, &TFrameCadComplemento::alterado);
    connect(m_sedeNao, &QRadioButton::clicked, this, &TFrameCadComplemento::alterado);
    HabilitaPeriodoFrame(false);
}

TFrameCadComplemento::CamposEndereco TFrameCadComplemento::criaEndereco(QWidget *grupo, const QString &sufixo, EnderecoCadastro *dados)
{
    auto *g = new QVBoxLayout(grupo);
    g->setSpacing(4);
    CamposEndereco c{criaCaixasEndereco(grupo, g,
                                        {QStringLiteral("Logradouro (Rua, Av, etc.)"), QStringLiteral("Complemento (Ap., Bl., Cs)"),
                                         QStringLiteral("Bairro ou Distrito")},
                                        sufixo),
                     dados};
    ValidadorCampo::digitos(c.numero, 5);
    c.municipio->setObjectName(QStringLiteral("cmbMunicipios") + sufixo);
    c.btnMunicipio->setObjectName(QStringLiteral("btnMunicipios") + sufixo);

    const bool correspondencia = !sufixo.isEmpty();
    for (QLineEdit *e : {c.logradouro, c.numero, c.complemento, c.bairro, c.cep})
        connect(e, &QLineEdit::textEdited, this, &TFrameCadComplemento::alterado);
    connect(c.btnMunicipio, &QToolButton::clicked, this, [this, correspondencia] { abrirListaMunicipios(correspondencia); });
    c.municipio->installEventFilter(new FiltroMunicipio(c.municipio, [this, correspondencia] {
        if (!m_editando)
            return;
        escolheMunicipio(correspondencia, Municipio{});
    }));
    return c;
}

QList<QDate> TFrameCadComplemento::PreparaQueryComboPeriodo()
{
    return m_cadastro.Periodos();
}

void TFrameCadComplemento::InicializaFrame()
{
    TfraModeloQuadroPeriodo::InicializaFrame();
    const QDate periodo = periodoSelecionado();
    contexto().estado.setDtVigencia(periodo);
    m_gravado = false;
    m_dados = periodo.isValid() ? m_cadastro.Carrega(periodo) : PeriodoCadastro{};
    m_pnlSegmentoRegiao->setCurrentIndex(m_cadastro.operadoraDePlanos() ? 0 : 1);
    mostra();
    const bool editar = periodo.isValid() && (maisRecenteSelecionado() || m_editarNovo);
    m_editarNovo = false;
    HabilitaPeriodoFrame(editar);
    habilitaBotoesPeriodo(true, periodo.isValid() && !maisRecenteSelecionado());
    btnConfirmar()->setEnabled(false);
}

void TFrameCadComplemento::mostra()
{
    m_mostrando = true;
    m_nomeFantasia->setText(m_dados.nomeFantasia);
    m_natureza->setText(m_dados.descricaoNatureza.toUpper());
    m_natureza->setCursorPosition(0);
    m_modalidade->setText(m_dados.nomeModalidade.toUpper());
    m_modalidade->setCursorPosition(0);

    m_segmento->clear();
    for (const auto &[codigo, nome] : m_cadastro.Submodalidades(m_dados.modalidade, m_dados.sociedade))
        m_segmento->addItem(nome, codigo);
    int indice = m_segmento->findData(m_dados.submodalidade);
    if (indice < 0 && !m_dados.submodalidade.isEmpty()) {
        m_segmento->insertItem(0, m_dados.submodalidade, m_dados.submodalidade);
        indice = 0;
    }
    m_segmento->setCurrentIndex(indice);
    mostraRegiao();
    mostraEndereco(m_matriz);
    mostraEndereco(m_correspondencia);
    mostraTelefones();
    // A fax abroad shows its country code, not an empty area code.
    m_exterior->setChecked(m_dados.faxExterior);
    m_lblDDD->setText(m_dados.faxExterior ? QStringLiteral("DDI+") : QStringLiteral("DDD"));
    m_fax->setMaxLength(m_dados.faxExterior ? 12 : 8);
    m_ddd->setText(m_dados.faxCodigo);
    m_fax->setText(m_dados.faxNumero);
    m_email->setText(m_dados.email);
    m_pnlSede->setVisible(m_dados.periodo.isValid() && m_dados.periodo < k2005);
    (m_dados.comercializaSede == QLatin1String("S") ? m_sedeSim : m_sedeNao)->setChecked(true);
    m_mostrando = false;
}

void TFrameCadComplemento::mostraEndereco(const CamposEndereco &c)
{
    c.logradouro->setText(c.dados->logradouro);
    c.numero->setText(c.dados->numero);
    c.complemento->setText(c.dados->complemento);
    c.bairro->setText(c.dados->bairro);
    c.municipio->setText(c.dados->idMunc > 0 ? c.dados->nomeMunicipio : QString());
    c.municipio->setCursorPosition(0);
    c.uf->setText(c.dados->idMunc > 0 ? c.dados->uf : QString());
    c.cep->setText(c.dados->cep);
}

void TFrameCadComplemento::mostraTelefones()
{
    m_telefones->setRowCount(0);
    m_telefones->setRowCount(static_cast<int>(m_dados.telefones.size()));
    for (int i = 0; i < m_dados.telefones.size(); ++i) {
        const Telefone &t = m_dados.telefones.at(i);
        m_telefones->setItem(i, 0, new QTableWidgetItem(t.textoArea()));
        m_telefones->setItem(i, 1, new QTableWidgetItem(t.numero));
        m_telefones->setItem(i, 2, new QTableWidgetItem(t.ramal.isEmpty() ? QString() : QStringLiteral("R. ") + t.ramal));
    }
    if (!m_dados.telefones.isEmpty())
        m_telefones->setCurrentCell(0, 0);
    m_btnEditarTelefone->setEnabled(m_editando && !m_dados.telefones.isEmpty());
    m_btnExcluirTelefone->setEnabled(m_editando && !m_dados.telefones.isEmpty());
}

void TFrameCadComplemento::mostraRegiao()
{
    if (m_editando && !m_cadastro.operadoraDePlanos())
        m_regiao->setText(QStringLiteral("0"));
    else if (m_dados.periodo.isValid() && m_dados.periodo >= k2003 && m_dados.regiao)
        m_regiao->setText(RegiaoAtuacao::TextoRegiao(*m_dados.regiao));
    else
        m_regiao->clear();
}

bool TFrameCadComplemento::regiaoHabilitada() const
{
    return CadastroComplementar::RegiaoHabilitada(m_dados.periodo, m_dados.modalidade, m_dados.submodalidade,
                                                  m_cadastro.operadoraDePlanos());
}

void TFrameCadComplemento::HabilitaPeriodoFrame(bool habilita)
{
    m_editando = habilita;
    const QList<QWidget *> campos = {m_nomeFantasia, m_segmento, m_matriz.logradouro, m_matriz.numero, m_matriz.complemento,
                                     m_matriz.bairro, m_matriz.municipio, m_matriz.btnMunicipio, m_matriz.cep,
                                     m_correspondencia.logradouro, m_correspondencia.numero, m_correspondencia.complemento,
                                     m_correspondencia.bairro, m_correspondencia.municipio, m_correspondencia.btnMunicipio,
                                     m_correspondencia.cep, m_telefones, m_btnIncluirTelefone, m_exterior, m_ddd, m_fax, m_email,
                                     m_sedeSim, m_sedeNao};
    for (QWidget *w : campos)
        w->setEnabled(habilita);
    m_btnEditarTelefone->setEnabled(habilita && !m_dados.telefones.isEmpty());
    m_btnExcluirTelefone->setEnabled(habilita && !m_dados.telefones.isEmpty());
    m_btnRegiao->setEnabled(habilita && regiaoHabilitada());
    m_regiao->setEnabled(habilita && regiaoHabilitada());
    // Insurers have no segmentation and no region: set while the period is edited.
    if (habilita && !m_cadastro.operadoraDePlanos()) {
        m_dados.submodalidade = QStringLiteral("SEM");
        m_dados.regiao = 0;
    }
    mostraRegiao();
}

void TFrameCadComplemento::alterado()
{
    if (m_editando && !m_mostrando)
        btnConfirmar()->setEnabled(true);
}

void TFrameCadComplemento::escolheSegmento(int indice)
{
    if (!m_editando || indice < 0)
        return;
    m_dados.submodalidade = m_segmento->itemData(indice).toString();
    // A new segmentation may change the region: choose it again where it is asked.
    const bool habilitada = regiaoHabilitada();
    m_btnRegiao->setEnabled(habilitada);
    m_regiao->setEnabled(habilitada);
    if (habilitada)
        m_dados.regiao.reset();
    else
        m_dados.regiao = 0;
    mostraRegiao();
    btnConfirmar()->setEnabled(true);
}

void TFrameCadComplemento::escolheMunicipio(bool correspondencia, const Municipio &municipio)
{
    EnderecoCadastro &e = correspondencia ? m_dados.correspondencia : m_dados.matriz;
    e.idMunc = municipio.id;
    e.nomeMunicipio = municipio.nome;
    e.uf = municipio.uf;
    // Only the municipality: what was typed in the other boxes stays.
    const CamposEndereco &campos = correspondencia ? m_correspondencia : m_matriz;
    campos.municipio->setText(municipio.id > 0 ? municipio.nome : QString());
    campos.municipio->setCursorPosition(0);
    campos.uf->setText(municipio.id > 0 ? municipio.uf : QString());
    alterado();
}

void TFrameCadComplemento::abrirListaMunicipios(bool correspondencia)
{
    if (!m_editando)
        return;
    coleta();
    const CamposEndereco &campos = correspondencia ? m_correspondencia : m_matriz;
    TfrmListaMunicipio lista(contexto().db(), campos.dados->uf.isEmpty() ? QStringLiteral("AC") : campos.dados->uf, this);
    if (lista.exec() != QDialog::Accepted)
        return;
    if (const auto m = lista.escolhido()) {
        escolheMunicipio(correspondencia, *m);
        campos.cep->setFocus();
    }
}

void TFrameCadComplemento::abrirRegiao()
{
    if (!m_editando || !regiaoHabilitada())
        return;
    TfrmRegiaoAtuacao dialogo(contexto().db(), contexto().codOper(), m_dados.periodo, m_dados.municipiosAtuacao, this);
    if (dialogo.exec() != QDialog::Accepted)
        return;
    m_dados.regiao = dialogo.Regiao();
    m_dados.municipiosAtuacao = dialogo.municipiosAtuacao();
    mostraRegiao();
    btnConfirmar()->setEnabled(true);
}

void TFrameCadComplemento::exteriorMudou()
{
    const bool exterior = m_exterior->isChecked();
    m_lblDDD->setText(exterior ? QStringLiteral("DDI+") : QStringLiteral("DDD"));
    m_ddd->clear();
    m_fax->clear();
    m_fax->setMaxLength(exterior ? 12 : 8);
    alterado();
}

void TFrameCadComplemento::incluirTelefone()
{
    if (!m_editando)
        return;
    TfrmCadastroTelefone dialogo(contexto().db(), contexto().codOper(), 0, m_dados.periodo, 0, this);
    if (dialogo.exec() == QDialog::Accepted)
        btnConfirmar()->setEnabled(true);
    m_dados.telefones = CadastroPessoas(contexto().db(), contexto().codOper()).Telefones(0, m_dados.periodo);
    mostraTelefones();
}

void TFrameCadComplemento::editarTelefone()
{
    const int linha = m_telefones->currentRow();
    if (!m_editando || linha < 0 || linha >= m_dados.telefones.size())
        return;
    TfrmCadastroTelefone dialogo(contexto().db(), contexto().codOper(), 0, m_dados.periodo, m_dados.telefones.at(linha).sequencia, this);
    if (dialogo.exec() == QDialog::Accepted)
        btnConfirmar()->setEnabled(true);
    m_dados.telefones = CadastroPessoas(contexto().db(), contexto().codOper()).Telefones(0, m_dados.periodo);
    mostraTelefones();
}

void TFrameCadComplemento::excluirTelefone()
{
    const int linha = m_telefones->currentRow();
    if (!m_editando || linha < 0 || linha >= m_dados.telefones.size())
        return;
    if (MensagemDlg(QStringLiteral("Confirma exclusão do telefone?"), TipoMensagem::Confirmacao, BotaoMensagem::Sim | BotaoMensagem::Nao,
                    {}, {}, this)
        != mrSim)
        return;
    executarProtegido([this, linha] {
        CadastroPessoas pessoas(contexto().db(), contexto().codOper());
        pessoas.ExcluiTelefone(0, m_dados.periodo, m_dados.telefones.at(linha).sequencia);
    });
    m_dados.telefones = CadastroPessoas(contexto().db(), contexto().codOper()).Telefones(0, m_dados.periodo);
    mostraTelefones();
    btnConfirmar()->setEnabled(true);
}

void TFrameCadComplemento::coleta()
{
    m_dados.nomeFantasia = m_nomeFantasia->text().trimmed();
    for (const CamposEndereco *c : {&m_matriz, &m_correspondencia}) {
        c->dados->logradouro = c->logradouro->text().trimmed();
        c->dados->numero = c->numero->text().trimmed();
        c->dados->complemento = c->complemento->text().trimmed();
        c->dados->bairro = c->bairro->text().trimmed();
        c->dados->cep = soDigitos(c->cep->text());
    }
    m_dados.email = m_email->text().trimmed();
    m_dados.faxExterior = m_exterior->isChecked();
    m_dados.faxCodigo = m_ddd->text().trimmed();
    m_dados.faxNumero = m_fax->text().trimmed();
}

bool TFrameCadComplemento::CriticaDados()
{
    if (!m_editando)
        return true;
    coleta();
    if (MostraAvisoPreenchimento(CadastroComplementar::ItensFaltantes(m_dados, regiaoHabilitada()), this))
        return false;
    if (const auto erro = CadastroComplementar::ErroValores(m_dados)) {
        MensagemDlg(erro->mensagem, TipoMensagem::Erro, BotaoMensagem::Ok, {}, {}, this);
        QWidget *campo = erro->campo == CadastroComplementar::Campo::CepMatriz            ? static_cast<QWidget *>(m_matriz.cep)
                         : erro->campo == CadastroComplementar::Campo::CepCorrespondencia ? static_cast<QWidget *>(m_correspondencia.cep)
                                                                                          : static_cast<QWidget *>(m_email);
        campo->setFocus();
        return false;
    }
    m_cadastro.Grava(m_dados);
    m_gravado = true;
    return true;
}

void TFrameCadComplemento::FinalizaFrame()
{
    if (m_gravado)
        MensagemDlg(QStringLiteral("Dados Gravados com sucesso..."), TipoMensagem::Informacao, BotaoMensagem::Ok, {}, {}, this);
    m_gravado = false;
    HabilitaPeriodoFrame(false);
}

void TFrameCadComplemento::EditaPeriodoFrame()
{
    HabilitaPeriodoFrame(true);
}

void TFrameCadComplemento::IncluiPeriodoFrame()
{
    MostraAvisoUsuario({}, this);
    if (!m_cadastro.IncluiPeriodo(NovaData())) {
        MensagemDlg(QStringLiteral("Período já Cadastrado"), TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, this);
        return;
    }
    m_editarNovo = true;
}

void TFrameCadComplemento::CopiaPeriodoFrame()
{
    MostraAvisoUsuario({}, this);
    const QString segmento = m_segmento->currentData().toString();
    if (!m_cadastro.CopiaPeriodo(NovaData(), segmento.isEmpty() ? m_dados.submodalidade : segmento)) {
        MensagemDlg(QStringLiteral("Período já Cadastrado"), TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, this);
        return;
    }
    m_editarNovo = true;
}

void TFrameCadComplemento::AlteraPeriodoFrame()
{
}

void TFrameCadComplemento::ExcluiPeriodoFrame()
{
    m_cadastro.ExcluiPeriodo(periodoSelecionado());
}

void TFrameCadComplemento::CancelaOperacaoFrame()
{
    // What was typed and the municipalities chosen stay unsaved.
    m_dados.municipiosAtuacao.reset();
    HabilitaPeriodoFrame(false);
}

} // namespace kelpa
