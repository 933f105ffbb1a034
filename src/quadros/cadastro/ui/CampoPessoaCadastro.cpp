#include "CampoPessoaCadastro.h"

#include "SelecaoPessoa.h"
#include "ValidadorCampo.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

namespace kelpa {

CampoPessoaCadastro::CampoPessoaCadastro(const QSqlDatabase &db, const QString &codOper, Opcoes opcoes, QWidget *parent)
    : QWidget(parent)
    , m_db(db)
    , m_codOper(codOper)
    , m_opcoes(std::move(opcoes))
{
    m_nome = new QLineEdit(this);
    m_nome->setObjectName(QStringLiteral("cmbNome"));
    m_nome->setToolTip(m_opcoes.dicaNome);
    ValidadorCampo::maiusculas(m_nome, 60);
    m_nome->installEventFilter(this);
    auto botao = [this](const char *nome, const QString &texto, const QString &dica) {
        auto *b = new QToolButton(this);
        b->setObjectName(QLatin1String(nome));
        b->setText(texto);
        b->setToolTip(dica);
        return b;
    };
    m_btSeleciona = botao("btSeleciona", QStringLiteral("..."), QStringLiteral("Abre diálogo de seleção."));
    m_btIncluir = botao("btIncluir", QStringLiteral("+"), m_opcoes.dicaIncluir);
    auto *linha = new QHBoxLayout(this);
    linha->setContentsMargins(0, 0, 0, 0);
    linha->addWidget(m_nome, 1);
    linha->addWidget(m_btSeleciona);
    linha->addWidget(m_btIncluir);
    if (!m_opcoes.dicaEditar.isEmpty()) {
        m_btEditar = botao("btEditarPessoa", QStringLiteral("✎"), m_opcoes.dicaEditar);
        linha->addWidget(m_btEditar);
        connect(m_btEditar, &QToolButton::clicked, this, &CampoPessoaCadastro::Edita);
    }
    connect(m_btSeleciona, &QToolButton::clicked, this, &CampoPessoaCadastro::Seleciona);
    connect(m_btIncluir, &QToolButton::clicked, this, &CampoPessoaCadastro::Inclui);
    atualizaBotoes();
}

void CampoPessoaCadastro::mostra(const std::optional<ItemPessoa> &pessoa)
{
    m_pessoa = pessoa;
    m_nome->setText(pessoa ? pessoa->nome.trimmed().toUpper() : QString());
    atualizaBotoes();
}

void CampoPessoaCadastro::setPessoaFixa(bool fixa)
{
    m_fixa = fixa;
    atualizaBotoes();
}

void CampoPessoaCadastro::atualizaBotoes()
{
    m_nome->setReadOnly(m_fixa);
    m_nome->setEnabled(!m_fixa);
    m_btSeleciona->setEnabled(!m_fixa);
    m_btIncluir->setEnabled(!m_fixa);
    if (m_btEditar)
        m_btEditar->setEnabled(m_pessoa.has_value());
}

void CampoPessoaCadastro::escolhe(int idPsoa)
{
    const auto pessoa = CadastroPessoas(m_db, m_codOper).Pessoa(idPsoa);
    if (!pessoa)
        return;
    mostra(pessoa);
    emit escolhida(*pessoa);
}

void CampoPessoaCadastro::Seleciona()
{
    if (!m_btSeleciona->isEnabled())
        return;
    if (const auto escolhida = SelecaoPessoa::Escolhe(window(), m_db, m_codOper, m_opcoes.filtro, false, m_opcoes.mensagemListaVazia))
        escolhe(escolhida->idPsoa);
}

void CampoPessoaCadastro::Inclui()
{
    if (!m_btIncluir->isEnabled())
        return;
    if (const auto nova = SelecaoPessoa::Cria(window(), m_db, m_codOper, m_opcoes.disposicao, m_opcoes.filtroCriacao))
        escolhe(*nova);
}

void CampoPessoaCadastro::Edita()
{
    if (!m_btEditar || !m_btEditar->isEnabled() || !m_pessoa)
        return;
    // Cancelled or not, the person is read again: the dialog may have saved a phone.
    SelecaoPessoa::Edita(window(), m_db, m_codOper, m_pessoa->idPsoa, m_opcoes.disposicao, m_opcoes.filtroCriacao);
    escolhe(m_pessoa->idPsoa);
}

void CampoPessoaCadastro::procuraDigitado()
{
    const QString texto = m_nome->text().trimmed();
    if (m_fixa || (m_pessoa && texto == m_pessoa->nome.trimmed().toUpper()))
        return;
    if (texto.isEmpty()) {
        m_pessoa.reset();
        atualizaBotoes();
        return;
    }
    const auto achada = CadastroPessoas(m_db, m_codOper).PrimeiraPorNome(texto, m_opcoes.filtro);
    if (achada) {
        mostra(achada);
        emit escolhida(*achada);
        return;
    }
    m_procurando = true;
    MensagemDlg(m_opcoes.mensagemNaoEncontrada, m_opcoes.tipoNaoEncontrada, BotaoMensagem::Ok, {}, {}, window());
    mostra(std::nullopt);
    m_nome->setFocus();
    m_procurando = false;
}

bool CampoPessoaCadastro::eventFilter(QObject *objeto, QEvent *evento)
{
    // Leaving towards Cancel is not a reason to look a name up.
    if (objeto == m_nome && evento->type() == QEvent::FocusOut && !m_procurando && isVisible()
        && (!m_cancelar || QApplication::focusWidget() != m_cancelar))
        QTimer::singleShot(0, this, [this] {
            // Not while the person list or another window opened from here is up.
            if (isVisible() && QApplication::activeModalWidget() == window())
                procuraDigitado();
        });
    return QWidget::eventFilter(objeto, evento);
}

} // namespace kelpa
