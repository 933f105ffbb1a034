#pragma once

#include "Moeda.h"
#include "ValoresVersionados.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace kelpa {

// One line of the ages-of-balance code table (TA_IdadeSaldo).
struct LinhaIdadeSaldo {
    QString codigo; // "01" to "42" receivables, "50" to "77" payables
    QString tipo;   // TP_CONTA_IDADE_SALDO
    QString descricao;
    QString dica;
};

// Quadro 15A: receivable and payable balances at the quarter's end by age. Each
// column holds seven age buckets (not yet due, then overdue by up to 30, 31-60, 61-90,
// 91-120, 121-365 and more than 365 days), in code order.
class IdadeSaldo
{
public:
    static const QString Titulo; // "Quadro 15A: Distribuição por Idade de Saldos"
    static const QString MensagemNegativo;
    static const QString MensagemSemLinhas;
    // Insurers read "Seguros a Receber" and "Provisão / de Sinistro / a Liquidar".
    static QString tituloReceber(bool operadoraDePlanos);
    static QStringList rotulosEventos(bool operadoraDePlanos);
    static constexpr int Faixas = 7;

    struct Coluna {
        int primeiroCodigo;
        bool ativo; // page "CONTAS DE ATIVO" or "CONTAS DE PASSIVO"
        QString codigo(int faixa) const { return QStringLiteral("%1").arg(primeiroCodigo + faixa, 2, 10, QLatin1Char('0')); }
    };
    // The ten columns, left to right: individual/family, collective pre-paid and
    // post-paid plans, administration fee/beneficiaries' share, operators' credits,
    // other credits; events to settle, debts with operators, selling, other debts.
    static const QList<Coluna> &colunas();
    static QStringList camposEntrada();

    IdadeSaldo(QSqlDatabase db, QString codOper, QDate trimestre);

    // The version is the newest starting on or before the quarter. False when it has no lines.
    bool carregar();
    QDate versao() const { return m_versao; }
    const QList<LinhaIdadeSaldo> &linhas() const { return m_linhas; }
    bool existeLinha(const QString &codigo) const { return m_porCodigo.contains(codigo); }
    const LinhaIdadeSaldo *linha(const QString &codigo) const;

    // Every field is zero or positive: a negative amount is refused and the field holds 0.
    bool informar(const QString &codigo, Moeda valor, QString *mensagem = nullptr);
    Moeda valor(const QString &codigo) const { return m_valores.value(codigo); }

    Moeda totalColuna(int coluna) const;
    // The "T O T A L" column: individual/family + pre-paid + post-paid of one age bucket.
    Moeda totalFaixa(int faixa) const;
    Moeda totalGeral() const; // sum of the seven bucket totals

    // Writes every field whose line is in the version, in one transaction. Totals are not stored.
    void gravar();

private:
    ValoresVersionados m_banco;
    QDate m_versao;
    QList<LinhaIdadeSaldo> m_linhas;
    QHash<QString, int> m_porCodigo;
    QHash<QString, Moeda> m_valores;
};

} // namespace kelpa
