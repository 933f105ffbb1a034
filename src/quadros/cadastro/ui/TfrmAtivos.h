#pragma once

#include "TfrmDlgLinhaCadastro.h"

#include "quadros/cadastro/Ativos.h"

class QComboBox;
class QLineEdit;

namespace kelpa {

// "Cadastro de Ativos": one financial asset with its custody centre, code, dates,
// kind of yield and kind of asset. An asset keeps the custody it was registered at.
class TfrmAtivos : public TfrmDlgLinhaCadastro
{
    Q_OBJECT

public:
    // `sequencia` names the asset to edit; empty for a new one.
    TfrmAtivos(const QSqlDatabase &db, const QString &codOper, const QString &sequencia, QWidget *parent = nullptr);

    const Ativo &ativo() const { return m_ativo; }

    QComboBox *cmbCustodia() const { return m_custodia; }
    QLineEdit *edtCodigo() const { return m_codigo; }
    QLineEdit *edtEmissao() const { return m_emissao; }
    QLineEdit *edtVencimento() const { return m_vencimento; }
    QLineEdit *edtTipo() const { return m_tipo; }
    QComboBox *cmbBem() const { return m_bem; }

protected:
    void abrir() override;
    QString erroValores() override;
    void gravar() override;
    QWidget *campoInicial() const override;

private:
    // The kinds the chosen custody may hold, and "Tipo :" only for the custody that has it.
    void aplicaCustodia();
    void leCampos();

    Ativos m_ativos;
    QString m_sequencia;
    Ativo m_ativo;

    QComboBox *m_custodia = nullptr;
    QLineEdit *m_codigo = nullptr;
    QLineEdit *m_emissao = nullptr;
    QLineEdit *m_vencimento = nullptr;
    QLineEdit *m_tipo = nullptr;
    QComboBox *m_bem = nullptr;
};

} // namespace kelpa
