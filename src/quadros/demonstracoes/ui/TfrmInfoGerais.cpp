#include "TfrmInfoGerais.h"

#include "app/ServicosOperadora.h"
#include "plataforma/FormatoBR.h"
#include "quadros/demonstracoes/RegrasModalidade.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

namespace {

std::optional<qint64> lerInteiro(const QLineEdit *campo)
{
    QString digitos = campo->text();
    digitos.remove(u'.').remove(u' ');
    if (digitos.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qint64 valor = digitos.toLongLong(&ok);
    return ok ? std::optional<qint64>(valor) : std::nullopt;
}

// Editable boxes on the window colour, read-only ones on the button face.
void habilita(QWidget *campo, bool editavel)
{
    if (auto *linha = qobject_cast<QLineEdit *>(campo))
        linha->setReadOnly(!editavel);
    else if (auto *texto = qobject_cast<QPlainTextEdit *>(campo))
        texto->setReadOnly(!editavel);
    QPalette p = campo->palette();
    p.setColor(QPalette::Base, editavel ? campo->style()->standardPalette().color(QPalette::Base)
                                        : campo->style()->standardPalette().color(QPalette::Button));
    campo->setPalette(p);
}

} // namespace

TfrmInfoGerais::TfrmInfoGerais(ContextoQuadro &contexto, QWidget *parent)
    : TfraQuadroLinhaTrimestre(contexto, parent)
{
    setObjectName(QStringLiteral("frmInfoGerais"));
    setTitulo(InformacoesGerais::Titulo);

    m_pnlDados = new QWidget(areaConteudo());
    m_pnlDados->setObjectName(QStringLiteral("pnlDados"));
    m_lblBeneficiarios = new QLabel(QStringLiteral("Total de Beneficiários :"), m_pnlDados);
    m_edtBeneficiarios = new QLineEdit(m_pnlDados);
    m_edtBeneficiarios->setObjectName(QStringLiteral("edtBeneficiarios"));
    m_edtBeneficiarios->setAlignment(Qt::AlignRight);
    m_edtBeneficiarios->setMaxLength(13);
    m_edtBeneficiarios->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^[0-9.]*$")), m_edtBeneficiarios));
    m_lblFuncionarios = new QLabel(QStringLiteral("Quantidade de Funcionários :"), m_pnlDados);
    m_edtFuncionarios = new QLineEdit(m_pnlDados);
    m_edtFuncionarios->setObjectName(QStringLiteral("edtFuncionarios"));
    m_edtFuncionarios->setAlignment(Qt::AlignRight);
    // Whole numbers up to 9.999.999: seven digits.
    m_edtFuncionarios->setMaxLength(9);
    m_edtFuncionarios->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^[0-9]{0,7}$")), m_edtFuncionarios));
    for (QLineEdit *campo : {m_edtBeneficiarios, m_edtFuncionarios})
        campo->setFixedWidth(campo->fontMetrics().horizontalAdvance(QStringLiteral("9.999.999.999")) + 16);
    m_lblBeneficiarios->setBuddy(m_edtBeneficiarios);
    m_lblFuncionarios->setBuddy(m_edtFuncionarios);

    auto *lblSugestao = new QLabel(QStringLiteral("Sugestões / Justificativas / Comentários :"), m_pnlDados);
    m_memSugestao = new QPlainTextEdit(m_pnlDados);
    m_memSugestao->setObjectName(QStringLiteral("memSugestao"));
    m_memSugestao->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memSugestao->setTabChangesFocus(true);
    lblSugestao->setBuddy(m_memSugestao);

    auto *grade = new QGridLayout(m_pnlDados);
    grade->setContentsMargins(8, 8, 8, 8);
    // A quarter shows either figure, never both: they share the first line.
    grade->addWidget(m_lblBeneficiarios, 0, 0);
    grade->addWidget(m_edtBeneficiarios, 0, 1, Qt::AlignLeft);
    grade->addWidget(m_lblFuncionarios, 0, 0);
    grade->addWidget(m_edtFuncionarios, 0, 1, Qt::AlignLeft);
    grade->addWidget(lblSugestao, 1, 0, 1, 2);
    grade->addWidget(m_memSugestao, 2, 0, 1, 2);
    grade->setColumnStretch(1, 1);
    grade->setRowStretch(2, 1);
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pnlDados);
    setPainelDados(m_pnlDados);

    btnConfirmar()->setEnabled(false);
    connect(m_edtBeneficiarios, &QLineEdit::textEdited, this, &TfrmInfoGerais::campoMudou);
    connect(m_edtFuncionarios, &QLineEdit::textEdited, this, &TfrmInfoGerais::campoMudou);
    connect(m_memSugestao, &QPlainTextEdit::textChanged, this, &TfrmInfoGerais::campoMudou);
}

TfrmInfoGerais::~TfrmInfoGerais() = default;

DadosGerenciais TfrmInfoGerais::dadosDigitados() const
{
    DadosGerenciais dados = m_informacoes ? m_informacoes->dados() : DadosGerenciais();
    // Only the figure the quarter asks for is taken from its box; the other stays as stored.
    if (m_edtBeneficiarios->isVisibleTo(m_pnlDados))
        dados.beneficiarios = lerInteiro(m_edtBeneficiarios);
    if (m_edtFuncionarios->isVisibleTo(m_pnlDados))
        dados.funcionarios = lerInteiro(m_edtFuncionarios);
    dados.comentario = m_memSugestao->toPlainText();
    return dados;
}

void TfrmInfoGerais::mostraDados(const DadosGerenciais &dados)
{
    m_carregando = true;
    m_edtBeneficiarios->setText(dados.beneficiarios ? FormatoBR::inteiro(*dados.beneficiarios) : QString());
    m_edtFuncionarios->setText(dados.funcionarios ? QString::number(*dados.funcionarios) : QString());
    m_memSugestao->setPlainText(dados.comentario);
    m_carregando = false;
}

void TfrmInfoGerais::campoMudou()
{
    if (m_carregando || !m_informacoes)
        return;
    DadosGerenciais digitados = dadosDigitados();
    if (digitados.comentario.trimmed().isEmpty())
        digitados.comentario.clear();
    btnConfirmar()->setEnabled(!(digitados == m_informacoes->dados()));
}

void TfrmInfoGerais::InicializaFrame()
{
    TfraQuadroLinhaTrimestre::InicializaFrame();
    setModoEdicao(false);
    const QDate trimestre = periodoSelecionado();
    contexto().estado.setDtVigencia(trimestre);
    m_informacoes.reset();
    btnConfirmar()->setEnabled(false);

    // No operator is exempt from this quadro: only the registration is tested.
    static const RegraModalidade semDispensa;
    if (!verificaDisponibilidade(semDispensa, true, true))
        return;
    m_administradora = ServicosOperadora(contexto().db(), contexto().codOper()).ModalidadeOperadora() == QLatin1String("ADMIN");
    const bool comBeneficiarios = trimestre.isValid() && InformacoesGerais::comBeneficiarios(trimestre);
    m_lblBeneficiarios->setVisible(comBeneficiarios && !m_administradora);
    m_edtBeneficiarios->setVisible(comBeneficiarios && !m_administradora);
    m_lblFuncionarios->setVisible(!comBeneficiarios);
    m_edtFuncionarios->setVisible(!comBeneficiarios);
    if (!trimestre.isValid()) {
        mostraDados({});
        HabilitaPeriodoFrame(false);
        habilitaBotoesPeriodo(false, false);
        return;
    }

    m_informacoes = std::make_unique<InformacoesGerais>(contexto().db(), contexto().codOper(), trimestre);
    m_informacoes->carregar();
    mostraDados(m_informacoes->dados());
    abreTrimestre();
}

void TfrmInfoGerais::habilitaCampos(bool editaveis)
{
    for (QWidget *campo : {static_cast<QWidget *>(m_edtBeneficiarios), static_cast<QWidget *>(m_edtFuncionarios),
                           static_cast<QWidget *>(m_memSugestao)})
        habilita(campo, editaveis);
    if (!editaveis)
        return;
    if (m_edtBeneficiarios->isVisibleTo(m_pnlDados))
        m_edtBeneficiarios->setFocus();
    else if (m_edtFuncionarios->isVisibleTo(m_pnlDados))
        m_edtFuncionarios->setFocus();
    else
        m_memSugestao->setFocus();
}

} // namespace kelpa
