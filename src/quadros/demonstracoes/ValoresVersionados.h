#pragma once

#include "Moeda.h"

#include <QDate>
#include <QHash>
#include <QLatin1StringView>
#include <QList>
#include <QPair>
#include <QSqlDatabase>
#include <QString>
#include <functional>

namespace kelpa {

class Consulta;

// A quadro whose lines come from a code table kept in versions (a version starts on
// a date and serves every quarter until the next one) and whose amounts are stored
// per operator, quarter, line and version. The names are written into the code,
// never taken from what the user types, since they go into the statements as text.
struct TabelaVersionada {
    QLatin1StringView tabelaLinhas;  // the code table
    QLatin1StringView colunaVersao;  // the version's starting date, in both tables
    QLatin1StringView colunaCodigo;  // the line code, in both tables
    QLatin1StringView colunasLinha;  // what else of a line the quadro reads
    QLatin1StringView tabelaValores; // the amounts
    QLatin1StringView colunaValor;
};

// Reads and writes one operator's quarter of such a quadro. Each quadro keeps its
// own rules (what a line holds, which fields are stored); this only moves the rows.
class ValoresVersionados
{
public:
    ValoresVersionados(const TabelaVersionada &tabela, QSqlDatabase db, QString codOper, QDate trimestre);

    // The newest version starting on or before the quarter; null when there is none.
    QDate versaoVigente() const;
    // Calls `linha` on each line of `versao`, in code order.
    void lerLinhas(const QDate &versao, const std::function<void(const Consulta &)> &linha) const;
    // The stored amounts of the quarter in `versao`, by line code.
    QHash<QString, Moeda> lerValores(const QDate &versao) const;
    // Writes the amounts, in one transaction. A row whose amount is unchanged keeps
    // its transmission state.
    void gravar(const QDate &versao, const QList<QPair<QString, Moeda>> &valores) const;

private:
    TabelaVersionada m_tabela;
    QSqlDatabase m_db;
    QString m_codOper;
    QDate m_trimestre;
};

} // namespace kelpa
