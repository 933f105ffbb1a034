#pragma once

#include "TfrmDlgParticipacao.h"

namespace kelpa {

// "Controlada / Coligada": one company in which the operator holds shares or quotas,
// in a period of Quadro 6: a legal person, the shares the operator holds and the
// company's total.
class TfrmCadControlada : public TfrmDlgParticipacao
{
    Q_OBJECT

public:
    TfrmCadControlada(const QSqlDatabase &db, const QString &codOper, ParticipacoesPeriodo &participacoes, const QDate &periodo,
                      QWidget *parent = nullptr);

    QLineEdit *edtQtde() const { return m_quantidade; }
    QLineEdit *edtTotalizador() const { return m_total; }

protected:
    void mostraLinha() override;
    void pessoaEscolhida(const ItemPessoa &) override { m_linha.redePropria = QStringLiteral("F"); }
    QString mensagemDuplicada() const override { return QStringLiteral("Pessoa Jurídica já cadastrada"); }
    QLineEdit *campoQuantidade() const override { return m_quantidade; }
    QStringList itensFaltantes() override;
    QString erroValores() override;

private:
    QLineEdit *m_quantidade = nullptr;
    QLineEdit *m_total = nullptr;
};

} // namespace kelpa
