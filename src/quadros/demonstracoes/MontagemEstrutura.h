#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <functional>

namespace kelpa {

// Creates a quarter's value rows from the versioned code tables: every item of the
// version that applies to the quarter gets its row, with value 0 and state "N".
// Idempotent: a second run inserts nothing. Each assembly runs in one transaction and
// throws ErroBanco when the database refuses.
class MontagemEstrutura
{
public:
    // Progress for the "Monta Estrutura Econômico-Financeiro" window: bar 1 counts the
    // rows already there, bar 2 the rows inserted.
    using Progresso = std::function<void(int barra, int posicao, int maximo)>;

    MontagemEstrutura(QSqlDatabase db, QString codOper, QDate trimestre, Progresso progresso = {});

    // Each returns the number of rows it inserted.
    int MontaPlanoContasValor();   // chart of accounts, statements "A", "P" and "R"
    int MontaFluxoCaixaValor();    // cash-flow lines
    int MontaIdadeSaldoValor();    // ages of balances
    int MontaSaldoAcumulado();     // seed of the accumulated balances (fixed items)

    // What every quarterly quadro runs after creating a quarter: the chart and, from
    // 2006 on, the cash flow and the ages of balances (and, for Quadro 8, the
    // accumulated balances).
    void MontaNovoTrimestre(bool comSaldoAcumulado = false);

    // Cash flow and ages of balances exist from the first quarter of 2006 on.
    static bool TemFluxoEIdade(const QDate &trimestre) { return trimestre >= QDate(2006, 1, 1); }

    // True when `tabelaValor` holds rows for the operator and quarter; `versao` then
    // receives the smallest version date among them.
    static bool ExisteValorPeriodo(const QSqlDatabase &db, const QString &tabelaValor, const QString &colunaVersao,
                                   const QDate &trimestre, const QString &codOper, QDate *versao = nullptr);

    // The code-table version a quarter's rows use: the one its existing rows use;
    // else one starting exactly on the quarter; else the newest starting on or before
    // it; else, when every version is later, the oldest. Null when the table is empty.
    QDate VersaoDoTrimestre(const QString &tabelaCodigos, const QString &colunaVersao, const QString &tabelaValor,
                            const QString &filtroTipo = {}) const;

private:
    struct Estrutura;
    int completar(const Estrutura &e, const QString &tipoConta);
    void avancar(int barra, int posicao, int maximo) const;

    QSqlDatabase m_db;
    QString m_codOper;
    QDate m_trimestre;
    Progresso m_progresso;
};

} // namespace kelpa
