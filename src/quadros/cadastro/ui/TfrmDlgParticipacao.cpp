#include "TfrmDlgParticipacao.h"

#include "ValidadorCampo.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace kelpa {

TfrmDlgParticipacao::TfrmDlgParticipacao(const QSqlDatabase &db, const QString &codOper, ParticipacoesPeriodo &participacoes,
                                         const QDate &periodo, CampoPessoaCadastro::Opcoes opcoes, QWidget *parent)
    : TfrmDlgLinhaCadastro(parent)
    , m_participacoes(participacoes)
    , m_periodo(periodo)
{
    m_pessoa = new CampoPessoaCadastro(db, codOper, std::move(opcoes), areaConteudo());
    m_pessoa->setBotaoCancelar(btnDesfaz());
    vigia(m_pessoa->nome());
    connect(m_pessoa, &CampoPessoaCadastro::escolhida, this, [this](const ItemPessoa &p) {
        m_linha.idPsoa = p.idPsoa;
        m_linha.nome = p.nome;
        m_linha.documento = p.documento;
        m_linha.tipoPessoa = p.tipo.trimmed().toUpper();
        pessoaEscolhida(p);
        alterado();
        campoQuantidade()->setFocus();
    });
    m_grade = new QGridLayout(areaConteudo());
    m_grade->setContentsMargins(12, 12, 12, 8);
    m_grade->setVerticalSpacing(8);
    m_grade->setColumnStretch(1, 1);
}

std::optional<qint64> TfrmDlgParticipacao::quantidadeDoCampo(const QLineEdit *campo)
{
    QString digitos = campo->text().trimmed();
    digitos.remove(u'.');
    if (digitos.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qint64 valor = digitos.toLongLong(&ok);
    return ok ? std::optional<qint64>(valor) : std::nullopt;
}

QLineEdit *TfrmDlgParticipacao::novoCampoQuantidade(const QString &nome, const QString &dica)
{
    auto *campo = new QLineEdit(areaConteudo());
    campo->setObjectName(nome);
    campo->setToolTip(dica);
    campo->setAlignment(Qt::AlignRight);
    campo->setFixedWidth(150);
    // Fifteen digits: every whole number of shares a DOUBLE column keeps exactly.
    ValidadorCampo::digitos(campo, 15);
    vigia(campo);
    return campo;
}

void TfrmDlgParticipacao::abrir()
{
    const bool nova = m_linha.sequencia <= 0;
    m_pessoa->mostra(m_linha.idPsoa > 0 ? std::optional<ItemPessoa>(ItemPessoa{m_linha.idPsoa, m_linha.nome, m_linha.documento,
                                                                                m_linha.tipoPessoa})
                                        : std::nullopt);
    // The person of a saved row stays: another person is another row.
    m_pessoa->setPessoaFixa(!nova);
    mostraLinha();
}

bool TfrmDlgParticipacao::semPessoa()
{
    m_pessoa->procuraDigitado();
    return m_pessoa->idPsoa() <= 0;
}

void TfrmDlgParticipacao::gravar()
{
    if (m_participacoes.Grava(m_periodo, m_linha))
        return;
    MensagemDlg(mensagemDuplicada(), TipoMensagem::Cuidado, BotaoMensagem::Ok, {}, {}, this);
    m_pessoa->nome()->setFocus();
    permanecerAberto();
}

QWidget *TfrmDlgParticipacao::campoInicial() const
{
    return m_linha.sequencia <= 0 ? static_cast<QWidget *>(m_pessoa->nome()) : campoQuantidade();
}

} // namespace kelpa
