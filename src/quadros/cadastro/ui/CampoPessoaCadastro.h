#pragma once

#include "quadros/cadastro/CadastroPessoas.h"

#include "app/ui/MensagemDlg.h"

#include <QWidget>
#include <optional>

class QLineEdit;
class QToolButton;

namespace kelpa {

// The person of a registration row, as the holder, company and branch dialogs ask
// for it: a name box that finds the first person whose name begins with what was
// typed, its "..." button with the person list, its "+" button that creates a
// person and, where offered, a button that edits the chosen person's own data.
// The number of the person found or chosen is kept; the name is only shown.
class CampoPessoaCadastro : public QWidget
{
    Q_OBJECT

public:
    struct Opcoes {
        CadastroPessoas::FiltroTipo filtro = CadastroPessoas::FiltroTipo::Ambas;        // listed and found
        CadastroPessoas::FiltroTipo filtroCriacao = CadastroPessoas::FiltroTipo::Fisicas; // preselected by "+"
        int disposicao = 0;                                                             // the person dialog's panels
        QString dicaNome;
        QString dicaIncluir;
        QString dicaEditar; // empty: no edit button
        QString mensagemListaVazia;
        QString mensagemNaoEncontrada;
        TipoMensagem tipoNaoEncontrada = TipoMensagem::Erro;
    };

    CampoPessoaCadastro(const QSqlDatabase &db, const QString &codOper, Opcoes opcoes, QWidget *parent = nullptr);

    QLineEdit *nome() const { return m_nome; }
    QToolButton *btSeleciona() const { return m_btSeleciona; }
    QToolButton *btIncluir() const { return m_btIncluir; }
    QToolButton *btEditar() const { return m_btEditar; }

    const std::optional<ItemPessoa> &pessoa() const { return m_pessoa; }
    int idPsoa() const { return m_pessoa ? m_pessoa->idPsoa : 0; }
    // Shows a stored row's person (nothing is looked up).
    void mostra(const std::optional<ItemPessoa> &pessoa);
    // A stored row keeps its person: the name, the list and "+" are locked.
    void setPessoaFixa(bool fixa);
    // Leaving the name towards this button looks nothing up.
    void setBotaoCancelar(QWidget *botao) { m_cancelar = botao; }

    // What the buttons and leaving the name do, for callers and tests.
    void Seleciona();
    void Inclui();
    void Edita();
    void procuraDigitado();

signals:
    // A person was chosen, created, found by name or edited.
    void escolhida(const ItemPessoa &pessoa);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    void escolhe(int idPsoa);
    void atualizaBotoes();

    QSqlDatabase m_db;
    QString m_codOper;
    Opcoes m_opcoes;
    std::optional<ItemPessoa> m_pessoa;
    bool m_fixa = false;
    bool m_procurando = false;
    QWidget *m_cancelar = nullptr;

    QLineEdit *m_nome = nullptr;
    QToolButton *m_btSeleciona = nullptr;
    QToolButton *m_btIncluir = nullptr;
    QToolButton *m_btEditar = nullptr;
};

} // namespace kelpa
