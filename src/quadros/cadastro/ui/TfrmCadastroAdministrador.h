#pragma once

#include "TfrmDlgLinhaCadastro.h"

#include "quadros/cadastro/Administradores.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace kelpa {

// "Cadastro de Administrador": one office of an administrator in a period of
// Quadro 3. The person is chosen from the register or created there; only the
// office is written here.
class TfrmCadastroAdministrador : public TfrmDlgLinhaCadastro
{
    Q_OBJECT

public:
    TfrmCadastroAdministrador(const QSqlDatabase &db, const QString &codOper, const QDate &periodo, QWidget *parent = nullptr);

    // Settings, read when the dialog is shown. A person number 0 means a new administrator.
    void setChave(int idPsoa, int sequencia);
    // The technical-officer answer is asked (from 2005, not of a sponsored self-management).
    void setPerguntaResponsavel(bool pergunta);
    // The company body is asked (periods before 2005).
    void setMostraOrgao(bool mostra);
    // Another administrator already is the technical officer: the answer cannot change.
    void setResponsavelBloqueado(bool bloqueado);

    const Administrador &administrador() const { return m_adm; }
    QLineEdit *cmbNomeAdministrador() const { return m_nome; }
    QToolButton *btSeleciona() const { return m_btSeleciona; }
    QToolButton *btIncluir() const { return m_btIncluir; }
    QLineEdit *edtCPF() const { return m_cpf; }
    QLineEdit *dedMae() const { return m_mae; }
    QLineEdit *edtCargo() const { return m_cargo; }
    QComboBox *cmbOrgao() const { return m_orgao; }
    QLabel *lblOrgao() const { return m_lblOrgao; }
    QLineEdit *DtIniMandato() const { return m_inicio; }
    QLineEdit *DtFimMandato() const { return m_fim; }
    QLabel *lblResponsavel() const { return m_lblResponsavel; }
    QRadioButton *rbtSim() const { return m_sim; }
    QRadioButton *rbtNao() const { return m_nao; }
    QLabel *lblEstrangeiro() const { return m_estrangeiro; }

    // What the buttons do, for callers and tests.
    void SelecionaPessoa();
    void IncluiPessoa();
    void rbtSimClick();
    void rbtNaoClick();

protected:
    void abrir() override;
    QStringList itensFaltantes() override;
    QString erroValores() override;
    void gravar() override;
    QWidget *campoInicial() const override;

private:
    void escolhePessoa(int idPsoa);
    void mostraPessoa();
    void coleta();

    QSqlDatabase m_db;
    QString m_codOper;
    Administradores m_administradores;
    QDate m_periodo;
    int m_idPsoa = 0;
    int m_sequencia = 0;
    bool m_perguntaResponsavel = false;
    bool m_mostraOrgao = false;
    bool m_responsavelBloqueado = false;
    Administrador m_adm;

    QLineEdit *m_nome = nullptr;
    QToolButton *m_btSeleciona = nullptr;
    QToolButton *m_btIncluir = nullptr;
    QLineEdit *m_cpf = nullptr;
    QLineEdit *m_mae = nullptr;
    QLineEdit *m_cargo = nullptr;
    QLabel *m_lblOrgao = nullptr;
    QComboBox *m_orgao = nullptr;
    QLineEdit *m_inicio = nullptr;
    QLineEdit *m_fim = nullptr;
    QLabel *m_lblResponsavel = nullptr;
    QRadioButton *m_sim = nullptr;
    QRadioButton *m_nao = nullptr;
    QLabel *m_estrangeiro = nullptr;
};

} // namespace kelpa
