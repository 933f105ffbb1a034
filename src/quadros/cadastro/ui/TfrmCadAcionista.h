#pragma once

#include "TfrmDlgParticipacao.h"

namespace kelpa {

// "Acionistas/Quotistas": one holder of the operator's shares or quotas in a period
// of Quadro 5, a natural or legal person, with the shares held.
class TfrmCadAcionista : public TfrmDlgParticipacao
{
    Q_OBJECT

public:
    TfrmCadAcionista(const QSqlDatabase &db, const QString &codOper, ParticipacoesPeriodo &participacoes, const QDate &periodo,
                     QWidget *parent = nullptr);

    // The period's total, which no holder may pass.
    void setTotal(qint64 total) { m_total = total; }

    QLabel *lblTipoPessoa() const { return m_tipo; }
    QLineEdit *edtQtd_Cotas() const { return m_quantidade; }

protected:
    void mostraLinha() override;
    void pessoaEscolhida(const ItemPessoa &pessoa) override;
    QString mensagemDuplicada() const override { return QStringLiteral("Acionista já está cadastrado"); }
    QLineEdit *campoQuantidade() const override { return m_quantidade; }
    QStringList itensFaltantes() override;
    QString erroValores() override;

private:
    qint64 m_total = 0;
    QLabel *m_tipo = nullptr;
    QLineEdit *m_quantidade = nullptr;
};

} // namespace kelpa
