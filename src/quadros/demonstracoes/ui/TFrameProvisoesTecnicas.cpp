#include "TFrameProvisoesTecnicas.h"

#include "GradeValores.h"
#include "ModeloProvisoesTecnicas.h"

#include "quadros/demonstracoes/ProvisoesTecnicas.h"
#include "quadros/demonstracoes/RegrasModalidade.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

TFrameProvisoesTecnicas::TFrameProvisoesTecnicas(ContextoQuadro &contexto, QWidget *parent)
    : TfraQuadroLinhaTrimestre(contexto, parent)
{
    setObjectName(QStringLiteral("FrameProvisoesTecnicas"));
    setTitulo(ProvisoesTecnicas::Titulo);

    m_gbxProvisoes = new QGroupBox(QStringLiteral(" Provisões"), areaConteudo());
    m_gbxProvisoes->setObjectName(QStringLiteral("gbxProvisoes"));
    m_modelo = new ModeloProvisoesTecnicas(this);
    m_grade = new GradeValores(m_gbxProvisoes);
    m_grade->setObjectName(QStringLiteral("grdProvisoes"));
    m_grade->setModel(m_modelo);
    m_grade->horizontalHeader()->hide();
    m_grade->verticalHeader()->hide();
    m_grade->setShowGrid(false);
    m_grade->horizontalHeader()->setSectionResizeMode(ModeloProvisoesTecnicas::Descricao, QHeaderView::Stretch);
    m_grade->horizontalHeader()->setSectionResizeMode(ModeloProvisoesTecnicas::Valor, QHeaderView::Fixed);
    m_grade->horizontalHeader()->resizeSection(ModeloProvisoesTecnicas::Valor, 140);
    m_grade->setMinimumWidth(400 + 140);
    auto *grupo = new QVBoxLayout(m_gbxProvisoes);
    grupo->addWidget(m_grade);

    m_aviso = criarAvisoVermelho(QString(), areaConteudo());
    // The notice of 2007 has long lines: a size that keeps each on one line of the window.
    QFont fonteAviso = m_aviso->font();
    fonteAviso.setPixelSize(18);
    m_aviso->setFont(fonteAviso);
    m_aviso->setWordWrap(true);
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_gbxProvisoes, 1);
    layout->addWidget(m_aviso, 1);
    setPainelDados(m_gbxProvisoes);

    btnConfirmar()->setEnabled(false);
    connect(m_modelo, &ModeloValores::alterado, this, [this] { btnConfirmar()->setEnabled(true); });
}

TFrameProvisoesTecnicas::~TFrameProvisoesTecnicas()
{
    m_modelo->setDados(nullptr);
}

void TFrameProvisoesTecnicas::InicializaFrame()
{
    TfraQuadroLinhaTrimestre::InicializaFrame();
    setModoEdicao(false);
    const QDate trimestre = periodoSelecionado();
    contexto().estado.setDtVigencia(trimestre);
    m_modelo->setDados(nullptr);
    m_provisoes.reset();
    btnConfirmar()->setEnabled(false);
    m_aviso->hide();

    if (ProvisoesTecnicas::aPartirDe2007(trimestre)) {
        mostraControlesPeriodo(true);
        mostraAvisoNoQuadro(m_aviso, ProvisoesTecnicas::AvisoDesde2007);
        btnIncluiPeriodo()->setEnabled(false);
        return;
    }
    btnIncluiPeriodo()->setEnabled(true);
    btnConfirmar()->show();
    if (!verificaDisponibilidade(RegraModalidade::provisoesTecnicas(), true, false))
        return;
    if (!trimestre.isValid()) {
        habilitaBotoesPeriodo(false, false);
        return;
    }
    if (!ProvisoesTecnicas::disponivel(trimestre)) {
        mostraAvisoNoQuadro(m_aviso, ProvisoesTecnicas::AvisoAntes2003);
        return;
    }

    m_provisoes = std::make_unique<ProvisoesTecnicas>(contexto().db(), contexto().codOper(), trimestre);
    m_provisoes->carregar();
    m_modelo->setDados(m_provisoes.get());
    abreTrimestre();
}

void TFrameProvisoesTecnicas::habilitaCampos(bool habilita)
{
    m_modelo->setHabilitado(habilita);
    if (!habilita)
        return;
    m_grade->setCurrentIndex(m_modelo->indiceDoCampo(ProvisoesTecnicas::Risco));
    m_grade->setFocus();
}

void TFrameProvisoesTecnicas::gravaDados()
{
    m_grade->confirmarEdicao();
    m_provisoes->gravar();
}

} // namespace kelpa
