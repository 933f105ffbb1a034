#include "TfraLucrosPrejuizos.h"

#include "GradeValores.h"
#include "ModeloLucrosPrejuizos.h"
#include "TfrmMontaBalancoPatrimonial.h"

#include "app/banco/ErroBanco.h"
#include "quadros/demonstracoes/LucrosPrejuizos.h"
#include "quadros/demonstracoes/MontagemEstrutura.h"
#include "quadros/demonstracoes/RegrasModalidade.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

TfraLucrosPrejuizos::TfraLucrosPrejuizos(ContextoQuadro &contexto, QWidget *parent)
    : TfraQuadroLinhaTrimestre(contexto, parent)
{
    setObjectName(QStringLiteral("fraLucrosPrejuizos"));
    setTitulo(LucrosPrejuizos::Titulo);

    m_modelo = new ModeloLucrosPrejuizos(this);
    m_grade = new GradeValores(areaConteudo());
    m_grade->setObjectName(QStringLiteral("grdLucrosPrejuizos"));
    m_grade->setModel(m_modelo);
    // From the previous year's balance down the items' quarter column.
    m_grade->setOrdem(GradeValores::Ordem::LinhaPorLinha);
    m_grade->verticalHeader()->hide();
    QHeaderView *colunas = m_grade->horizontalHeader();
    colunas->setSectionResizeMode(ModeloLucrosPrejuizos::Descricao, QHeaderView::Stretch);
    for (int c : {ModeloLucrosPrejuizos::Trimestre, ModeloLucrosPrejuizos::Acumulado}) {
        colunas->setSectionResizeMode(c, QHeaderView::Fixed);
        colunas->resizeSection(c, 130);
    }
    colunas->setDefaultAlignment(Qt::AlignCenter);
    m_grade->setMinimumWidth(350 + 2 * 130);

    m_aviso = criarAvisoVermelho(QString(), areaConteudo());
    m_aviso->setWordWrap(true);
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grade, 1);
    layout->addWidget(m_aviso, 1);
    setPainelDados(m_grade);

    btnConfirmar()->setEnabled(false);
    connect(m_modelo, &ModeloValores::alterado, this, [this] { btnConfirmar()->setEnabled(true); });
}

TfraLucrosPrejuizos::~TfraLucrosPrejuizos()
{
    m_modelo->setDados(nullptr);
}

QList<QDate> TfraLucrosPrejuizos::PreparaQueryComboPeriodo()
{
    // An operator that never had accumulated balances gets them seeded from its registration.
    TfrmMontaBalancoPatrimonial::executar(contexto().db(), contexto().codOper(), QDate(), this,
                                          [](MontagemEstrutura &montagem) { montagem.MontaSaldoAcumulado(); });
    return LucrosPrejuizos::Trimestres(contexto().db(), contexto().codOper());
}

void TfraLucrosPrejuizos::InicializaFrame()
{
    TfraQuadroLinhaTrimestre::InicializaFrame();
    setModoEdicao(false);
    m_modelo->setDados(nullptr);
    m_dados.reset();
    m_gravou = false;
    btnConfirmar()->setEnabled(false);
    btnConfirmar()->show();
    m_aviso->hide();
    cbxPeriodo()->setEnabled(true);
    btnIncluiPeriodo()->setEnabled(true);
    if (!verificaDisponibilidade(RegraModalidade::demonstracoes(), true, false))
        return;

    const QDate trimestre = periodoSelecionado();
    if (!trimestre.isValid()) {
        // Without a quarter there is none to follow either: the quarters come from the other quadros.
        mostraAvisoNoQuadro(m_aviso, LucrosPrejuizos::AvisoSemTrimestre);
        cbxPeriodo()->setEnabled(false);
        btnIncluiPeriodo()->setEnabled(false);
        return;
    }
    contexto().estado.setDtVigencia(trimestre);
    if (!LucrosPrejuizos::disponivel(trimestre)) {
        mostraAvisoNoQuadro(m_aviso, LucrosPrejuizos::AvisoAntes2005);
        return;
    }

    m_dados = std::make_unique<LucrosPrejuizos>(contexto().db(), contexto().codOper(), trimestre);
    m_dados->carregar();
    m_modelo->setDados(m_dados.get());
    abreTrimestre();
}

void TfraLucrosPrejuizos::habilitaCampos(bool habilita)
{
    m_modelo->setHabilitado(habilita);
    if (!habilita)
        return;
    const QModelIndex saldo = m_modelo->indiceSaldoAnterior();
    m_grade->setCurrentIndex(saldo.flags() & Qt::ItemIsEditable ? saldo : m_grade->proximaEditavel(saldo));
    m_grade->setFocus();
}

bool TfraLucrosPrejuizos::CriticaDados()
{
    if (temDados() && editavel()) {
        m_grade->confirmarEdicao();
        // A wrong sign keeps the quadro open with what was typed; nothing is written.
        const QString sinal = m_dados->criticaSinais();
        if (!sinal.isEmpty()) {
            mensagemErro(sinal);
            return false;
        }
    }
    return TfraQuadroLinhaTrimestre::CriticaDados();
}

void TfraLucrosPrejuizos::gravaDados()
{
    if (!m_dados->alterado())
        return;
    try {
        m_dados->gravar();
    } catch (const ErroBanco &e) {
        // The quadro stays open with what was typed, and says why.
        throw ErroBanco(QStringLiteral("Houve erro na gravação.\rTente novamente..."), e.textoCompleto());
    }
    m_gravou = true;
}

void TfraLucrosPrejuizos::FinalizaFrame()
{
    if (m_gravou)
        mensagemInformacao(QStringLiteral("Dados Gravados com sucesso..."));
}

} // namespace kelpa
