#include "TframeGridBalanco.h"

#include "GradeValores.h"
#include "ModeloDemonstracao.h"
#include "TfrmMontaBalancoPatrimonial.h"

#include "app/ui/MensagemDlg.h"
#include "quadros/demonstracoes/DemonstracaoContabil.h"
#include "quadros/demonstracoes/MontagemEstrutura.h"
#include "quadros/demonstracoes/RegrasModalidade.h"

#include <QHeaderView>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace kelpa {

TframeGridBalanco::TframeGridBalanco(ContextoQuadro &contexto, const QString &tipoConta, QWidget *parent)
    : TfraQuadroTrimestral(contexto, parent)
    , m_tipo(tipoConta.isEmpty() ? QChar(u'A') : tipoConta.at(0).toUpper())
{
    setObjectName(QStringLiteral("frameGridBalanco"));
    setTitulo(DemonstracaoContabil::titulo(m_tipo));

    m_modelo = new ModeloDemonstracao(this);
    m_grade = new GradeValores(areaConteudo());
    m_grade->setObjectName(QStringLiteral("AdvStrGrdBalanco"));
    m_grade->setModel(m_modelo);
    m_grade->horizontalHeader()->hide();
    m_grade->verticalHeader()->hide();
    m_grade->horizontalHeader()->setSectionResizeMode(ModeloDemonstracao::Descricao, QHeaderView::Stretch);
    m_grade->horizontalHeader()->setSectionResizeMode(ModeloDemonstracao::Valor, QHeaderView::Fixed);
    m_grade->horizontalHeader()->resizeSection(ModeloDemonstracao::Valor, 130);
    m_grade->setMinimumWidth(450 + 130 + 24);
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grade);
    setPainelDados(m_grade);

    btnConfirmar()->setEnabled(false);
    connect(m_modelo, &ModeloValores::alterado, this, [this] { btnConfirmar()->setEnabled(true); });
    connect(m_modelo, &ModeloValores::falhou, this, [this](const QString &mensagem) { mensagemErro(mensagem); });
}

TframeGridBalanco::~TframeGridBalanco()
{
    m_modelo->setDemonstracao(nullptr);
}

QList<QDate> TframeGridBalanco::PreparaQueryComboPeriodo()
{
    return listaTrimestres(true);
}

void TframeGridBalanco::InicializaFrame()
{
    TfraQuadroTrimestral::InicializaFrame();
    setModoEdicao(false);
    const QDate trimestre = periodoSelecionado();
    contexto().estado.setDtVigencia(trimestre);
    setTitulo(DemonstracaoContabil::titulo(m_tipo));
    m_modelo->setDemonstracao(nullptr);
    m_demonstracao.reset();
    btnConfirmar()->setEnabled(false);

    if (!verificaDisponibilidade(RegraModalidade::demonstracoes(), true, false))
        return;
    if (!trimestre.isValid()) {
        habilitaBotoesPeriodo(false, false);
        return;
    }
    TfrmMontaBalancoPatrimonial::executar(contexto().db(), contexto().codOper(), trimestre, this,
                                          [trimestre](MontagemEstrutura &montagem) {
                                              montagem.MontaPlanoContasValor();
                                              if (MontagemEstrutura::TemFluxoEIdade(trimestre))
                                                  montagem.MontaFluxoCaixaValor();
                                          });
    m_demonstracao = std::make_unique<DemonstracaoContabil>(contexto().db(), contexto().codOper(), trimestre, m_tipo);
    m_demonstracao->carregar();
    m_modelo->setDemonstracao(m_demonstracao.get());
    m_modelo->setEdicao(maisRecenteSelecionado(), false);
    habilitaBotoesPeriodo(true, !maisRecenteSelecionado());
}

void TframeGridBalanco::IncluiPeriodoFrame()
{
    // What was not confirmed in the quarter being left goes back as it was.
    CancelaOperacaoFrame();
    incluiTrimestre(false);
}

void TframeGridBalanco::EditaPeriodoFrame()
{
    setModoEdicao(true);
    m_modelo->setEdicao(maisRecenteSelecionado(), true);
    HabilitaPeriodoFrame(true);
}

void TframeGridBalanco::HabilitaPeriodoFrame(bool habilita)
{
    btnEditaPeriodo()->setEnabled(!habilita);
}

void TframeGridBalanco::CancelaOperacaoFrame()
{
    if (m_demonstracao) {
        m_demonstracao->desfazer();
        m_modelo->atualizarTudo();
    }
}

bool TframeGridBalanco::CriticaDados()
{
    m_grade->confirmarEdicao();
    if (!m_demonstracao)
        return false;
    const CriticaDemonstracao critica = m_demonstracao->criticar();
    switch (critica.resultado) {
    case CriticaDemonstracao::Aceita:
        return true;
    case CriticaDemonstracao::Recusada:
        mensagemErro(critica.mensagem);
        return false;
    case CriticaDemonstracao::Perguntar:
        return MensagemDlg(critica.mensagem, TipoMensagem::Cuidado, BotaoMensagem::Ok | BotaoMensagem::Cancelar, {}, {}, this)
               == mrOk;
    }
    return false;
}

void TframeGridBalanco::FinalizaFrame()
{
    mensagemInformacao(QStringLiteral("Dados Gravados com sucesso..."));
}

} // namespace kelpa
