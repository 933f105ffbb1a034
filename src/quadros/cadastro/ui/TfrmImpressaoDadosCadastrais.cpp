#include "TfrmImpressaoDadosCadastrais.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelpa {

namespace {

PainelSelecaoImpressao::Opcao opcao(const char *legenda, const char *assunto, const char *chave)
{
    return {QString::fromUtf8(legenda),
            QStringLiteral("Exibe relatório de %1 baseado na data selecionada.").arg(QString::fromUtf8(assunto)),
            QString::fromLatin1(chave)};
}

} // namespace

TfrmImpressaoDadosCadastrais::TfrmImpressaoDadosCadastrais(ContextoQuadro &contexto, QWidget *parent)
    : TfraModeloQuadroPeriodo(contexto, parent)
{
    setObjectName(QStringLiteral("frmImpressaoDadosCadastrais"));
    setTitulo(QStringLiteral("Impressão de Dados Cadastrais"));
    // No period of its own: the date below says which period of each quadro prints.
    gbxPeriodo()->setTitle(QString());
    cbxPeriodo()->parentWidget()->hide();
    btnConfirmar()->hide();
    btnDesfaz()->setText(QStringLiteral("Retornar"));
    btnDesfaz()->setToolTip(QStringLiteral("Retorna à tela principal"));

    m_painel = new PainelSelecaoImpressao(QStringLiteral(" Dados Cadastrais "),
                                          {opcao("Quadro 1:    Cadastro", "Cadastro", "1"),
                                           opcao("Quadro 2:    Dados Básicos", "Dados Básicos", "2"),
                                           opcao("Quadro 3:    Administradores", "Administradores", "3"),
                                           opcao("Quadro 4:    Representante", "Representantes", "4"),
                                           opcao("Quadro 5:    Acionistas/Quotistas", "Acionistas/Quotistas", "5"),
                                           opcao("Quadro 6:    Controladas/Coligadas", "Controladas/Coligadas", "6"),
                                           opcao("Quadro 7:    Dependências", "Dependências", "7")},
                                          areaConteudo());
    m_painel->setDicaDesmarcar(QStringLiteral("Desmarca todas as opções de relatório(s) existente(s)."));

    auto *grupoData = new QGroupBox(QStringLiteral("Data"), m_painel);
    m_data = new QDateEdit(QDate::currentDate(), grupoData);
    m_data->setObjectName(QStringLiteral("DateEdit1"));
    m_data->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_data->setCalendarPopup(true);
    m_data->setToolTip(QStringLiteral("Data de pesquisa para a exibição do(s) relatório(s)."));
    auto *linhaData = new QHBoxLayout(grupoData);
    linhaData->addWidget(m_data);
    m_painel->adicionarAcimaDeVisualizar(grupoData);

    connect(m_painel, &PainelSelecaoImpressao::visualizarPedido, this, [this] {
        const QList<relatorios::OpcaoImpressao> escolha = m_painel->escolhidas();
        executarProtegido([&] {
            m_painel->visualizar(this->contexto().db(), this->contexto().codOper(), m_data->date(),
                                 QStringLiteral("Por favor, selecione pelo menos um Relatório."), QStringLiteral("\r\r"), escolha);
        });
    });
    auto *layout = new QVBoxLayout(areaConteudo());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_painel);
}

void TfrmImpressaoDadosCadastrais::InicializaFrame()
{
    TfraModeloQuadroPeriodo::InicializaFrame();
    btnConfirmar()->hide();
    btnImprimir()->hide();
    m_painel->marcar(false);
}

} // namespace kelpa
