#include "TfrmAtivos.h"

#include "ValidadorCampo.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kelpa {

TfrmAtivos::TfrmAtivos(const QSqlDatabase &db, const QString &codOper, const QString &sequencia, QWidget *parent)
    : TfrmDlgLinhaCadastro(parent)
    , m_ativos(db, codOper)
    , m_sequencia(sequencia)
{
    setObjectName(QStringLiteral("frmAtivos"));
    setWindowTitle(QStringLiteral("Cadastro de Ativos"));
    setMostraMensagem(false);
    setMensagemDataInvalida(QStringLiteral("Data Inválida"));
    QWidget *area = areaConteudo();

    m_custodia = new QComboBox(area);
    m_custodia->setObjectName(QStringLiteral("cmbCustodia"));
    m_custodia->setToolTip(QStringLiteral("Central de custódia reponsável pelo registro do ativo (CETIP, CELIC, CBLC)"));
    for (const auto &c : m_ativos.Custodias())
        m_custodia->addItem(c.second, c.first);
    m_custodia->setCurrentIndex(-1);
    m_custodia->setMinimumWidth(160);
    m_codigo = new QLineEdit(area);
    m_codigo->setObjectName(QStringLiteral("edtCodigo"));
    m_codigo->setToolTip(QStringLiteral("Código do ativo de acordo com a central de custódia."));
    ValidadorCampo::maiusculas(m_codigo, 50);
    m_emissao = novoCampoData(area, QStringLiteral("edtEmissao"), QStringLiteral("Data de emissão do ativo."));
    m_vencimento = novoCampoData(area, QStringLiteral("edtVencimento"), QStringLiteral("Data de vencimento do ativo."));
    m_tipo = new QLineEdit(area);
    m_tipo->setObjectName(QStringLiteral("edtTipo"));
    m_tipo->setToolTip(QStringLiteral("Tipo do ativo - pré fixado ou pós fixado."));
    ValidadorCampo::maiusculas(m_tipo, 20);
    m_bem = new QComboBox(area);
    m_bem->setObjectName(QStringLiteral("cmbBem"));
    m_bem->setToolTip(QStringLiteral("Código e nome do bem de acordo com a codificação da QOR."));
    m_bem->setMaxVisibleItems(12);
    m_bem->setMinimumWidth(380);

    auto *grade = new QGridLayout(area);
    grade->setContentsMargins(12, 12, 12, 8);
    grade->setVerticalSpacing(8);
    grade->addWidget(rotuloCampo(QStringLiteral("Custódia :"), true, area), 0, 0);
    grade->addWidget(m_custodia, 0, 1, Qt::AlignLeft);
    grade->addWidget(rotuloCampo(QStringLiteral("Código :"), true, area), 1, 0);
    grade->addWidget(m_codigo, 1, 1);
    grade->addWidget(rotuloCampo(QStringLiteral("Emissão :"), false, area), 2, 0);
    grade->addWidget(m_emissao, 2, 1, Qt::AlignLeft);
    grade->addWidget(rotuloCampo(QStringLiteral("Vencimento :"), false, area), 3, 0);
    grade->addWidget(m_vencimento, 3, 1, Qt::AlignLeft);
    grade->addWidget(rotuloCampo(QStringLiteral("Tipo :"), false, area), 4, 0);
    grade->addWidget(m_tipo, 4, 1);
    grade->addWidget(rotuloCampo(QStringLiteral("Código e Nome do Bem :"), true, area), 5, 0);
    grade->addWidget(m_bem, 5, 1);
    grade->setColumnStretch(1, 1);
    grade->setRowStretch(6, 1);
    resize(560, 300);

    for (QLineEdit *campo : {m_codigo, m_emissao, m_vencimento, m_tipo})
        vigia(campo);
    vigia(m_custodia);
    vigia(m_bem);
    conferirDataAoSair(m_emissao);
    conferirDataAoSair(m_vencimento);
    connect(m_custodia, &QComboBox::activated, this, [this] {
        m_ativo.custodia = m_custodia->currentData().toInt();
        aplicaCustodia();
    });
}

void TfrmAtivos::abrir()
{
    m_ativo = Ativo{};
    if (!m_sequencia.isEmpty()) {
        if (const auto gravado = m_ativos.Carrega(m_sequencia))
            m_ativo = *gravado;
    }
    m_custodia->setCurrentIndex(m_custodia->findData(m_ativo.custodia));
    // A registered asset stays at its custody centre.
    m_custodia->setEnabled(m_custodia->currentIndex() < 0);
    m_codigo->setText(m_ativo.codigo);
    mostraData(m_emissao, m_ativo.emissao);
    mostraData(m_vencimento, m_ativo.vencimento);
    m_tipo->setText(m_ativo.indexador);
    aplicaCustodia();
}

void TfrmAtivos::aplicaCustodia()
{
    const bool comIndexador = m_ativo.custodia == Ativos::kCustodiaComIndexador;
    m_tipo->setEnabled(comIndexador);
    if (!comIndexador)
        m_tipo->clear();
    const QString escolhido = m_bem->currentIndex() >= 0 ? m_bem->currentData().toString() : m_ativo.bem;
    m_bem->clear();
    for (const TipoBem &t : m_ativos.TiposDaCustodia(m_ativo.custodia))
        m_bem->addItem(t.texto(), t.codigo);
    // A kind the new custody cannot hold must be chosen again.
    m_bem->setCurrentIndex(m_bem->findData(escolhido));
}

void TfrmAtivos::leCampos()
{
    m_ativo.custodia = m_custodia->currentIndex() >= 0 ? m_custodia->currentData().toInt() : 0;
    m_ativo.codigo = m_codigo->text().trimmed();
    m_ativo.emissao = dataDoCampo(m_emissao);
    m_ativo.vencimento = dataDoCampo(m_vencimento);
    m_ativo.indexador = m_tipo->text().trimmed();
    m_ativo.bem = m_bem->currentIndex() >= 0 ? m_bem->currentData().toString() : QString();
}

QString TfrmAtivos::erroValores()
{
    leCampos();
    const QString erro = Ativos::Erro(m_ativo);
    if (m_ativo.custodia <= 0)
        m_custodia->setFocus();
    else if (m_ativo.codigo.isEmpty())
        m_codigo->setFocus();
    else if (!erro.isEmpty())
        m_bem->setFocus();
    return erro;
}

void TfrmAtivos::gravar()
{
    m_ativos.Grava(m_ativo);
}

QWidget *TfrmAtivos::campoInicial() const
{
    return m_custodia->isEnabled() ? static_cast<QWidget *>(m_custodia) : m_codigo;
}

} // namespace kelpa
