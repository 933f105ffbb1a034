#include "TfrmCadControlada.h"

#include "TfrmCadastroPessoa.h"

#include "quadros/cadastro/Participadas.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kelpa {

namespace {
CampoPessoaCadastro::Opcoes opcoesControlada()
{
    CampoPessoaCadastro::Opcoes o;
    o.filtro = CadastroPessoas::FiltroTipo::Juridicas;
    o.filtroCriacao = CadastroPessoas::FiltroTipo::Juridicas;
    o.disposicao = TfrmCadastroPessoa::Participadas;
    o.dicaNome = QStringLiteral("Razão / Denominação Social da Controlada/Coligada. \nPara incluir, click no botão '+'.");
    o.dicaIncluir = QStringLiteral("Inclui Pessoa Jurídica.");
    o.mensagemListaVazia = QStringLiteral("Não há Pessoas Jurídicas cadastradas para selecionar!!!");
    o.mensagemNaoEncontrada = QStringLiteral("Registro não encontrado");
    return o;
}
} // namespace

TfrmCadControlada::TfrmCadControlada(const QSqlDatabase &db, const QString &codOper, ParticipacoesPeriodo &participacoes,
                                     const QDate &periodo, QWidget *parent)
    : TfrmDlgParticipacao(db, codOper, participacoes, periodo, opcoesControlada(), parent)
{
    setObjectName(QStringLiteral("frmCadControlada"));
    setWindowTitle(QStringLiteral("Controlada / Coligada"));
    setMostraMensagem(false);
    m_quantidade = novoCampoQuantidade(QStringLiteral("edtQtde"),
                                       QStringLiteral("Número de Ações/Quotas que a operadora possui na Controlada/Coligada."));
    m_total = novoCampoQuantidade(QStringLiteral("edtTotalizador"),
                                  QStringLiteral("Número total de Ações/Quotas que compõe o capital da Controlada/Coligada."));
    grade()->addWidget(rotuloCampo(QStringLiteral("Razão Social:"), true, areaConteudo()), 0, 0);
    grade()->addWidget(campoPessoa(), 0, 1);
    grade()->addWidget(rotuloCampo(QStringLiteral("Quantidade de Ações/Quotas:"), true, areaConteudo()), 1, 0);
    grade()->addWidget(m_quantidade, 1, 1, Qt::AlignLeft);
    grade()->addWidget(rotuloCampo(QStringLiteral("Número Total de Ações/Quotas: "), true, areaConteudo()), 2, 0);
    grade()->addWidget(m_total, 2, 1, Qt::AlignLeft);
    grade()->setRowStretch(3, 1);
    resize(560, 200);
}

void TfrmCadControlada::mostraLinha()
{
    const bool existente = m_linha.sequencia > 0;
    m_quantidade->setText(existente ? QString::number(m_linha.quantidade) : QString());
    m_total->setText(existente ? QString::number(m_linha.totalEmpresa) : QString());
}

QStringList TfrmCadControlada::itensFaltantes()
{
    const std::optional<qint64> quantidade = quantidadeDoCampo(m_quantidade);
    const std::optional<qint64> total = quantidadeDoCampo(m_total);
    m_linha.quantidade = quantidade.value_or(0);
    m_linha.totalEmpresa = total.value_or(0);
    return Participadas::ItensFaltantes(semPessoa(), quantidade, total);
}

QString TfrmCadControlada::erroValores()
{
    const QString erro = Participadas::ErroQuantidades(m_linha.quantidade, m_linha.totalEmpresa);
    if (!erro.isEmpty())
        m_quantidade->setFocus();
    return erro;
}

} // namespace kelpa
