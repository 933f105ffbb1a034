#pragma once

#include "CampoPessoaCadastro.h"
#include "TfrmDlgLinhaCadastro.h"

#include "quadros/cadastro/ParticipacoesPeriodo.h"

class QGridLayout;
class QLabel;

namespace kelpa {

// Base of the dialogs of one shareholding (a holder of Quadro 5, a company of
// Quadro 6): the person, found, chosen or created and fixed once the row is saved,
// and whole quantities of shares typed as digits. The row is saved alone, in one
// transaction; a person already in the period is refused and the dialog stays open.
class TfrmDlgParticipacao : public TfrmDlgLinhaCadastro
{
    Q_OBJECT

public:
    TfrmDlgParticipacao(const QSqlDatabase &db, const QString &codOper, ParticipacoesPeriodo &participacoes, const QDate &periodo,
                        CampoPessoaCadastro::Opcoes opcoes, QWidget *parent = nullptr);

    // The row to edit; a row with sequence 0 is a new one.
    void setLinha(const Participacao &linha) { m_linha = linha; }
    const Participacao &linha() const { return m_linha; }
    CampoPessoaCadastro *campoPessoa() const { return m_pessoa; }

    // The whole number typed (dots of thousands allowed); nullopt when blank.
    static std::optional<qint64> quantidadeDoCampo(const QLineEdit *campo);

protected:
    // A digits-only box for a number of shares.
    QLineEdit *novoCampoQuantidade(const QString &nome, const QString &dica);
    QGridLayout *grade() const { return m_grade; }

    // The row's own fields shown from `m_linha` when the dialog opens.
    virtual void mostraLinha() = 0;
    // A person was chosen for a new row.
    virtual void pessoaEscolhida(const ItemPessoa &) {}
    virtual QString mensagemDuplicada() const = 0;
    virtual QLineEdit *campoQuantidade() const = 0;
    // True (after telling) when no person is chosen; resolves a name still being typed.
    bool semPessoa();

    void abrir() override;
    void gravar() override;
    QWidget *campoInicial() const override;

    Participacao m_linha;

private:
    ParticipacoesPeriodo &m_participacoes;
    QDate m_periodo;
    CampoPessoaCadastro *m_pessoa = nullptr;
    QGridLayout *m_grade = nullptr;
};

} // namespace kelpa
