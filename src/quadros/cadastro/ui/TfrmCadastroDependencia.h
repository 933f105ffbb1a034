#pragma once

#include "TfrmDlgLinhaCadastro.h"

#include "quadros/cadastro/Dependencias.h"

class QComboBox;
class QLineEdit;

namespace kelpa {

class CampoPessoaCadastro;
class DadosDependencia;

// "Cadastro de Dependência": one branch of the operator in a period of Quadro 7, a
// legal person of the register with its kind. Its name, address and phones are the
// person's, shown here and changed only through the person dialog.
class TfrmCadastroDependencia : public TfrmDlgLinhaCadastro
{
    Q_OBJECT

public:
    TfrmCadastroDependencia(const QSqlDatabase &db, const QString &codOper, const QDate &periodo, QWidget *parent = nullptr);

    // The branch to edit (its person); 0 for a new branch.
    void setPessoa(int idPsoa) { m_idPsoa = idPsoa; }
    const Dependencia &dependencia() const { return m_dependencia; }

    CampoPessoaCadastro *campoPessoa() const { return m_pessoa; }
    QLineEdit *edtCNPJ() const { return m_cnpj; }
    QComboBox *cmbTipo() const { return m_tipo; }
    DadosDependencia *dados() const { return m_dados; }

protected:
    void abrir() override;
    QStringList itensFaltantes() override;
    void gravar() override;
    QWidget *campoInicial() const override;

private:
    void mostraPessoa();

    QSqlDatabase m_db;
    QString m_codOper;
    Dependencias m_dependencias;
    QDate m_periodo;
    int m_idPsoa = 0;
    Dependencia m_dependencia;

    CampoPessoaCadastro *m_pessoa = nullptr;
    QLineEdit *m_cnpj = nullptr;
    QComboBox *m_tipo = nullptr;
    DadosDependencia *m_dados = nullptr;
};

} // namespace kelpa
