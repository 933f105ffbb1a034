#include "TfrmCadAcionista.h"

#include "TfrmCadastroPessoa.h"

#include "quadros/cadastro/Acionistas.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kelpa {

namespace {
CampoPessoaCadastro::Opcoes opcoesAcionista()
{
    CampoPessoaCadastro::Opcoes o;
    o.filtro = CadastroPessoas::FiltroTipo::Ambas;
    o.filtroCriacao = CadastroPessoas::FiltroTipo::Fisicas;
    o.disposicao = TfrmCadastroPessoa::Acionistas;
    o.dicaNome = QStringLiteral("Clique em (...) para escolher o acionista / cotista, ou em '+' para incluir.");
    o.dicaIncluir = QStringLiteral("Inclui novo acionista / cotista.");
    o.mensagemListaVazia = QStringLiteral("Não há Pessoas cadastradas para selecionar!!!");
    o.mensagemNaoEncontrada = QStringLiteral("Registro não encontrado");
    return o;
}
} // namespace

TfrmCadAcionista::TfrmCadAcionista(const QSqlDatabase &db, const QString &codOper, ParticipacoesPeriodo &participacoes,
                                   const QDate &periodo, QWidget *parent)
    : TfrmDlgParticipacao(db, codOper, participacoes, periodo, opcoesAcionista(), parent)
{
    setObjectName(QStringLiteral("frmCadAcionista"));
    setWindowTitle(QStringLiteral("Acionistas/Quotistas"));
    setMostraMensagem(false);
    m_tipo = new QLabel(areaConteudo());
    m_tipo->setObjectName(QStringLiteral("lblTipoPessoa"));
    QFont negrito = m_tipo->font();
    negrito.setBold(true);
    m_tipo->setFont(negrito);
    m_quantidade = novoCampoQuantidade(QStringLiteral("edtQtd_Cotas"), QStringLiteral("Quantidade de Ações/Quotas do acionista / cotista."));

    grade()->addWidget(rotuloCampo(QStringLiteral("Nome/Razão/Denominação Social"), true, areaConteudo()), 0, 0, 1, 2);
    grade()->addWidget(campoPessoa(), 1, 0, 1, 2);
    grade()->addWidget(rotuloCampo(QStringLiteral("Pessoa: "), false, areaConteudo()), 2, 0);
    grade()->addWidget(m_tipo, 2, 1);
    grade()->addWidget(rotuloCampo(QStringLiteral("Quantidade de Ações/Quotas"), false, areaConteudo()), 3, 0);
    grade()->addWidget(m_quantidade, 3, 1, Qt::AlignLeft);
    grade()->setRowStretch(4, 1);
    resize(520, 220);
}

void TfrmCadAcionista::mostraLinha()
{
    m_tipo->setText(m_linha.idPsoa > 0 ? m_linha.textoTipoPessoa() : QString());
    m_quantidade->setText(m_linha.sequencia > 0 ? QString::number(m_linha.quantidade) : QString());
}

void TfrmCadAcionista::pessoaEscolhida(const ItemPessoa &)
{
    // Only a legal person can be the operator's own network.
    m_linha.redePropria = m_linha.tipoPessoa == QLatin1String("J") ? QStringLiteral("F") : QString();
    m_tipo->setText(m_linha.textoTipoPessoa());
}

QStringList TfrmCadAcionista::itensFaltantes()
{
    if (semPessoa()) {
        campoPessoa()->nome()->setFocus();
        return {QStringLiteral(">> Nome/Razão/Denominação Social")};
    }
    return {};
}

QString TfrmCadAcionista::erroValores()
{
    m_linha.quantidade = quantidadeDoCampo(m_quantidade).value_or(0);
    if (m_linha.quantidade <= m_total)
        return {};
    m_quantidade->setFocus();
    return Acionistas::MensagemQuantidadeMaior();
}

} // namespace kelpa
