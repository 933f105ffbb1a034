#include "TframeGrid_Administrador.h"

#include "TfrmCadastroAdministrador.h"

#include "app/ServicosOperadora.h"
#include "app/Utilitarios.h"
#include "app/ui/MensagemDlg.h"
#include "plataforma/FormatoBR.h"

#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kelpa {

namespace {
const char *const kDetalhes[] = {"lblNome", "lblCPF", "lblMae", "lblCargo", "lblResponsavel", "lblInicio", "lblFim", "lblOrgao"};
} // namespace

TframeGrid_Administrador::TframeGrid_Administrador(ContextoQuadro &contexto, QWidget *parent)
    : TfraQuadroGradeCadastro(contexto, QStringLiteral("Quadro 3: Administradores"),
                              {{QStringLiteral("CPF"), 130}, {QStringLiteral("Nome"), 360}, {QStringLiteral("Cargo"), 200, false}},
                              Administradores::tabelas(),
                              {QStringLiteral("Inclui administrador"), QStringLiteral("Exclui administrador"),
                               QStringLiteral("Altera administrador")},
                              parent)
    , m_administradores(contexto.db(), contexto.codOper())
{
    setObjectName(QStringLiteral("frameGrid_Administrador"));

    auto *linhaResponsavel = new QHBoxLayout;
    m_lblResponsavel = new QLabel(QStringLiteral("Responsável Técnico:"), this);
    m_lblResponsavel->setObjectName(QStringLiteral("lblResponsavelTecnico"));
    m_nomeResponsavel = new QLabel(this);
    m_nomeResponsavel->setObjectName(QStringLiteral("lblNomeResponsavel"));
    QFont negrito = m_nomeResponsavel->font();
    negrito.setBold(true);
    m_lblResponsavel->setFont(negrito);
    m_nomeResponsavel->setFont(negrito);
    linhaResponsavel->addWidget(m_lblResponsavel);
    linhaResponsavel->addWidget(m_nomeResponsavel, 1);
    areaAcima()->addLayout(linhaResponsavel);

    m_detalhe = new QFrame(this);
    m_detalhe->setObjectName(QStringLiteral("pnlDetalhe"));
    static_cast<QFrame *>(m_detalhe)->setFrameShape(QFrame::StyledPanel);
    auto *form = new QFormLayout(m_detalhe);
    form->setContentsMargins(8, 6, 8, 6);
    form->setVerticalSpacing(3);
    const QString rotulos[] = {QStringLiteral("Nome:"), QStringLiteral("CPF:"), QStringLiteral("Mãe:"), QStringLiteral("Cargo/Função:"),
                               QStringLiteral("Responsável Técnico ?"), QStringLiteral("Início de Mandato:"),
                               QStringLiteral("Fim de Mandato:"), QStringLiteral("Órgão:")};
    for (size_t i = 0; i < std::size(kDetalhes); ++i) {
        // The foreign mark goes beside the document.
        QWidget *campo = i == 1 ? new QWidget(m_detalhe) : nullptr;
        auto *valor = new QLabel(campo ? campo : m_detalhe);
        valor->setObjectName(QLatin1String(kDetalhes[i]));
        valor->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (!campo) {
            campo = valor;
        } else {
            auto *linha = new QHBoxLayout(campo);
            linha->setContentsMargins(0, 0, 0, 0);
            m_estrangeiro = new QLabel(QStringLiteral("ESTRANGEIRO"), campo);
            m_estrangeiro->setObjectName(QStringLiteral("lblEstrangeiro"));
            m_estrangeiro->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
            // The value takes the room, so a new text never waits for the layout to grow.
            valor->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
            linha->addWidget(valor, 1);
            linha->addWidget(m_estrangeiro);
        }
        auto *rotulo = new QLabel(rotulos[i], m_detalhe);
        form->addRow(rotulo, campo);
        if (i == 4)
            m_linhaResponsavel = rotulo;
        if (i == 7)
            m_linhaOrgao = rotulo;
    }
    areaAbaixo()->addWidget(m_detalhe);
}

QLabel *TframeGrid_Administrador::detalhe(const QString &nome) const
{
    return m_detalhe->findChild<QLabel *>(nome);
}

QList<LinhaGrade> TframeGrid_Administrador::leLinhas(const QDate &periodo, int coluna, bool decrescente)
{
    m_lista = m_administradores.Lista(periodo, static_cast<Administradores::Coluna>(coluna), decrescente);
    QList<LinhaGrade> linhas;
    for (const Administrador &a : std::as_const(m_lista))
        linhas.append({{FormataDocumento(a.cpf), a.nome.toUpper(), a.cargo.toUpper()}, a.estadoTransmissao});
    return linhas;
}

void TframeGrid_Administrador::periodoCarregado(const QDate &periodo)
{
    m_desde2005 = Administradores::DesdeDe2005(periodo);
    m_perguntaResponsavel =
        Administradores::PerguntaResponsavel(periodo, ServicosOperadora(contexto().db(), contexto().codOper()).SubmodalidadeOperadora());
    const QString responsavel = m_perguntaResponsavel ? m_administradores.ResponsavelTecnico(periodo) : QString();
    m_responsavelEscolhido = !responsavel.isEmpty();
    m_nomeResponsavel->setText(m_responsavelEscolhido ? responsavel.toUpper() : QStringLiteral("[NÃO SELECIONADO]"));
    m_lblResponsavel->setVisible(m_perguntaResponsavel);
    m_nomeResponsavel->setVisible(m_perguntaResponsavel);
    m_linhaResponsavel->setVisible(m_perguntaResponsavel);
    detalhe(QStringLiteral("lblResponsavel"))->setVisible(m_perguntaResponsavel);
    m_linhaOrgao->setVisible(!m_desde2005);
    detalhe(QStringLiteral("lblOrgao"))->setVisible(!m_desde2005);
    linhaAtualMudou(linhaAtual());
}

void TframeGrid_Administrador::linhaAtualMudou(int linha)
{
    const Administrador a = linha >= 0 && linha < m_lista.size() ? m_lista.at(linha) : Administrador{};
    const QString valores[] = {a.nome.toUpper(),
                               FormataDocumento(a.cpf),
                               a.mae.toUpper(),
                               a.cargo.toUpper(),
                               linha < 0 ? QString() : (a.responsavelTecnico ? QStringLiteral("SIM") : QStringLiteral("NÃO")),
                               FormatoBR::data(a.inicioMandato),
                               FormatoBR::data(a.fimMandato),
                               a.nomeOrgao};
    for (size_t i = 0; i < std::size(kDetalhes); ++i)
        detalhe(QLatin1String(kDetalhes[i]))->setText(valores[i]);
    m_estrangeiro->setVisible(a.estrangeiro);
}

void TframeGrid_Administrador::abreDialogo(int idPsoa, int sequencia, bool bloqueado)
{
    TfrmCadastroAdministrador dialogo(contexto().db(), contexto().codOper(), periodoSelecionado(), this);
    dialogo.setChave(idPsoa, sequencia);
    dialogo.setPerguntaResponsavel(m_perguntaResponsavel);
    dialogo.setMostraOrgao(!m_desde2005);
    dialogo.setResponsavelBloqueado(m_perguntaResponsavel && bloqueado);
    dialogo.exec();
}

void TframeGrid_Administrador::incluiLinha()
{
    // A period has one technical officer.
    abreDialogo(0, 0, m_responsavelEscolhido);
}

void TframeGrid_Administrador::editaLinha(int linha)
{
    const Administrador &a = m_lista.at(linha);
    abreDialogo(a.idPsoa, a.sequencia, m_responsavelEscolhido && !a.responsavelTecnico);
}

bool TframeGrid_Administrador::podeExcluir(int linha)
{
    if (contexto().dados.PessoaSemVinculo(QStringLiteral("DIRETORRELACOES"), m_lista.at(linha).idPsoa))
        return true;
    MensagemDlg(QStringLiteral("O registro não pode ser excluído, pois seus dados são usados em outros itens de informações do sistema."),
                TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, this);
    return false;
}

void TframeGrid_Administrador::excluiLinha(int linha)
{
    const Administrador &a = m_lista.at(linha);
    m_administradores.Exclui(periodoSelecionado(), a.idPsoa, a.sequencia);
}

} // namespace kelpa
