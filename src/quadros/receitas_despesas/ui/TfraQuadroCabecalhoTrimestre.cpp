#include "TfraQuadroCabecalhoTrimestre.h"

#include "ModeloValoresCabecalho.h"

#include "quadros/demonstracoes/ui/GradeValores.h"
#include "quadros/receitas_despesas/ValoresCabecalhoTrimestre.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

TfraQuadroCabecalhoTrimestre::TfraQuadroCabecalhoTrimestre(ContextoQuadro &contexto, const QString &titulo, QWidget *parent)
    : TfraQuadroLinhaTrimestre(contexto, parent)
{
    setTitulo(titulo);
    m_gbxDados = new QGroupBox(areaConteudo());
    m_gbxDados->setObjectName(QStringLiteral("pnlDados"));
    m_modelo = new ModeloValoresCabecalho(this);
    m_grade = new GradeValores(m_gbxDados);
    m_grade->setObjectName(QStringLiteral("grdValores"));
    m_grade->setModel(m_modelo);
    m_grade->setOrdem(GradeValores::Ordem::LinhaPorLinha);
    m_grade->verticalHeader()->hide();
    m_grade->setShowGrid(false);
    m_grade->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grade->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grade->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *grupo = new QVBoxLayout(m_gbxDados);
    grupo->addWidget(m_grade);
    grupo->addStretch(1);

    m_aviso = criarAvisoVermelho(QString(), areaConteudo());
    m_aviso->setWordWrap(true);
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_gbxDados, 1);
    layout->addWidget(m_aviso, 1);
    setPainelDados(m_gbxDados);

    btnConfirmar()->setEnabled(false);
    connect(m_modelo, &ModeloValores::alterado, this, [this] { btnConfirmar()->setEnabled(true); });
}

TfraQuadroCabecalhoTrimestre::~TfraQuadroCabecalhoTrimestre()
{
    m_modelo->setDados(nullptr);
}

void TfraQuadroCabecalhoTrimestre::mostraAvisoLocal(const QString &texto)
{
    exibeAviso({});
    m_gbxDados->hide();
    setTextoAviso(m_aviso, texto);
    m_aviso->show();
    btnConfirmar()->hide();
    mostraImpressao(false);
    btnEditaPeriodo()->setEnabled(false);
    btnExcluiPeriodo()->setEnabled(false);
}

void TfraQuadroCabecalhoTrimestre::InicializaFrame()
{
    TfraQuadroLinhaTrimestre::InicializaFrame();
    setModoEdicao(false);
    const QDate trimestre = periodoSelecionado();
    contexto().estado.setDtVigencia(trimestre);
    m_modelo->setDados(nullptr);
    m_valores.reset();
    btnConfirmar()->setEnabled(false);
    btnDesfaz()->show();
    m_aviso->hide();

    if (!contexto().estado.operadoraDePlanos()) {
        // Nothing here for an insurer, whatever the quarter.
        mostraAvisoLocal(ValoresCabecalhoTrimestre::AvisoSeguradora());
        cbxPeriodo()->setEnabled(false);
        btnIncluiPeriodo()->setEnabled(false);
        return;
    }
    cbxPeriodo()->setEnabled(true);
    btnIncluiPeriodo()->setEnabled(true);
    btnConfirmar()->show();
    if (!verificaDisponibilidade(ValoresCabecalhoTrimestre::regraModalidade(), true, false)) {
        if (avisoExibido() != MensagemCadastroIncompleto())
            operadoraForaDasListas();
        return;
    }
    if (!trimestre.isValid()) {
        habilitaBotoesPeriodo(false, false);
        return;
    }
    if (!ValoresCabecalhoTrimestre::disponivel(trimestre)) {
        mostraAvisoLocal(ValoresCabecalhoTrimestre::AvisoAntes2003());
        return;
    }

    m_valores = criarValores(trimestre);
    m_valores->ler();
    montarLeiaute(m_modelo);
    m_modelo->setDados(m_valores.get());
    // The captions take what the amounts leave.
    m_grade->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < m_modelo->columnCount(); ++c)
        m_grade->horizontalHeader()->resizeSection(c, 130);
    m_grade->clearSpans();
    for (int l = 0; l < m_modelo->rowCount(); ++l)
        if (m_modelo->titulo(l))
            m_grade->setSpan(l, 0, 1, m_modelo->columnCount());
    // Every row on screen without a scroll bar.
    int altura = m_grade->horizontalHeader()->height() + 2 * m_grade->frameWidth();
    for (int l = 0; l < m_modelo->rowCount(); ++l)
        altura += m_grade->rowHeight(l);
    m_grade->setFixedHeight(altura);
    abreTrimestre();
}

void TfraQuadroCabecalhoTrimestre::habilitaCampos(bool habilita)
{
    m_modelo->setHabilitado(habilita);
    if (!habilita)
        return;
    m_grade->setCurrentIndex(m_modelo->indiceDoCampo(primeiroCampo()));
    m_grade->setFocus();
}

void TfraQuadroCabecalhoTrimestre::gravaDados()
{
    m_grade->confirmarEdicao();
    m_valores->gravar();
}

} // namespace kelpa
