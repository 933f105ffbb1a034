#pragma once

#include "quadros/cadastro/CadastroPessoas.h"

#include "app/ui/TfrmModDlgConfirmaCancela.h"

#include <QDate>
#include <QSqlDatabase>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace kelpa {

// "Cadastro de Telefone": one phone of a person, saved at once in its own transaction.
class TfrmCadastroTelefone : public TfrmModDlgConfirmaCancela
{
    Q_OBJECT

public:
    // `sequencia` 0 adds a phone; otherwise that phone is edited.
    TfrmCadastroTelefone(const QSqlDatabase &db, const QString &codOper, int idPsoa, const QDate &dataDados, int sequencia = 0,
                         QWidget *parent = nullptr);

    QCheckBox *chkExterior() const { return m_exterior; }
    QLineEdit *edtCodigo() const { return m_codigo; }
    QLabel *lblCodigo() const { return m_lblCodigo; }
    QLineEdit *edtNumero() const { return m_numero; }
    QLineEdit *edtRamal() const { return m_ramal; }
    // The number of the phone saved (after OK).
    int Sequencia() const { return m_sequencia; }

protected:
    bool CriticaDados() override;
    void GravaDados() override;

private:
    void exteriorMudou();

    CadastroPessoas m_pessoas;
    int m_idPsoa;
    QDate m_data;
    int m_sequencia;
    QCheckBox *m_exterior = nullptr;
    QLabel *m_lblCodigo = nullptr;
    QLineEdit *m_codigo = nullptr;
    QLineEdit *m_numero = nullptr;
    QLineEdit *m_ramal = nullptr;
};

} // namespace kelpa
