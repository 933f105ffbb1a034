#pragma once

#include "Constatacao.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace kelpa::validacao {

// The operator's rows of VALIDACAO: what a run leaves there is what the sending gate
// reads. Statements only; the caller holds the transaction.
class GravacaoConstatacoes
{
public:
    // The finding a run leaves while it works, and keeps when it does not finish, so
    // that an interrupted run never opens the way to sending.
    static QString MensagemNaoConcluida();

    GravacaoConstatacoes(const QSqlDatabase &db, QString codOper);

    void apagarTodas() const;
    // Appends the findings after the operator's highest sequence number, in order, as
    // type "2" rows (empty texts as empty strings, the period as five characters).
    void gravar(const QList<Constatacao> &constatacoes) const;
    // Writes one row as given; the chart-of-accounts notice uses its own values.
    void inserir(qint64 sequencia, const QString &quadro, const QString &texto, const QString &quadroDois,
                 const QString &tipo, const QString &periodo) const;

    // The sending gate: open while every finding of types "1" and "2" belongs to a
    // quarter before the first of 2005.
    static bool EnvioLiberado(const QSqlDatabase &db, const QString &codOper);

private:
    QSqlDatabase m_db;
    QString m_codOper;
};

} // namespace kelpa::validacao
