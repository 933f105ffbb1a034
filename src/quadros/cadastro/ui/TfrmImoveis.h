#pragma once

#include "TfrmDlgLinhaCadastro.h"

#include "quadros/cadastro/Imoveis.h"

class QComboBox;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace kelpa {

// "Cadastro de Imóveis": one property of the operator, with its registry entry, kind,
// dates, whether it serves the operator's own care network, and its address.
class TfrmImoveis : public TfrmDlgLinhaCadastro
{
    Q_OBJECT

public:
    // `sequencia` names the property to edit; empty for a new one.
    TfrmImoveis(const QSqlDatabase &db, const QString &codOper, const QString &sequencia, QWidget *parent = nullptr);

    const Imovel &imovel() const { return m_imovel; }

    QLineEdit *edtRGI() const { return m_rgi; }
    QLineEdit *edtCartorio() const { return m_cartorio; }
    QLineEdit *edtArea() const { return m_area; }
    QComboBox *cmbBem() const { return m_bem; }
    QLineEdit *edtAquisicao() const { return m_aquisicao; }
    QLineEdit *edtVenda() const { return m_venda; }
    QLineEdit *edtAvaliacao() const { return m_avaliacao; }
    QRadioButton *rbSim() const { return m_sim; }
    QRadioButton *rbNao() const { return m_nao; }
    QLineEdit *edtEndereco() const { return m_endereco; }
    QLineEdit *edtBairro() const { return m_bairro; }
    QLineEdit *edtCEP() const { return m_cep; }
    QLineEdit *edtCidade() const { return m_cidade; }
    QToolButton *btnCidade() const { return m_btnCidade; }
    QLineEdit *edtUF() const { return m_uf; }

    // The municipality typed in "Cidade :" stands for; false (after telling) when none.
    bool procuraCidade();
    // Picks the municipality from the list window.
    void escolheCidade();

protected:
    void abrir() override;
    QString erroValores() override;
    void gravar() override;
    QWidget *campoInicial() const override;

private:
    void mostraCidade();
    // Takes the municipality the typed name stands for; false, with none, when no name matches.
    bool localizaCidade();
    void leCampos();

    QSqlDatabase m_db;
    Imoveis m_imoveis;
    QString m_sequencia;
    Imovel m_imovel;

    QLineEdit *m_rgi = nullptr;
    QLineEdit *m_cartorio = nullptr;
    QLineEdit *m_area = nullptr;
    QComboBox *m_bem = nullptr;
    QLineEdit *m_aquisicao = nullptr;
    QLineEdit *m_venda = nullptr;
    QLineEdit *m_avaliacao = nullptr;
    QRadioButton *m_sim = nullptr;
    QRadioButton *m_nao = nullptr;
    QLineEdit *m_endereco = nullptr;
    QLineEdit *m_bairro = nullptr;
    QLineEdit *m_cep = nullptr;
    QLineEdit *m_cidade = nullptr;
    QToolButton *m_btnCidade = nullptr;
    QLineEdit *m_uf = nullptr;
};

} // namespace kelpa
