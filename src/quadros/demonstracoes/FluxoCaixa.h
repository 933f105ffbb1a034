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

// One line of the cash-flow code table (TA_FluxoCaixa).
struct LinhaFluxoCaixa {
    QString codigo;   // "000", "101", ...
    QString descricao;
    QString natureza; // "C" never negative, "D" stored negative, anything else free
    QString dica;
};

// What an amount typed into a line becomes.
struct EntradaFluxo {
    bool aceita = true;
    Moeda valor;      // the value the field keeps (0 when refused)
    QString mensagem; // the error shown when refused
};

// Quadro 15, the quarterly cash flow by the direct method. The figures live here
// until `gravar()` writes them all in one transaction.
class FluxoCaixa
{
public:
    static const QString Titulo; // "Quadro 15: Fluxo de Caixa"
    static const QString MensagemNegativo;
    static const QString MensagemSemLinhas;
    static const QString MensagemCodigoInvalido;
    // The notice shown instead of Quadros 15 and 15A for quarters before 2006.
    static const QString AvisoSomenteDesde2006;
    static bool disponivel(const QDate &trimestre) { return trimestre.isValid() && trimestre >= QDate(2006, 1, 1); }

    // The quadro's fields, as line codes: entered lines, the three activity totals
    // (saved) and the summary lines 011 to 015 (shown only).
    static const QStringList &camposEntrada();
    static const QStringList &camposTotalAtividade(); // "113", "211", "312"
    static QString totalDaAtividade(const QString &codigo); // "" for the prior balance and summaries

    FluxoCaixa(QSqlDatabase db, QString codOper, QDate trimestre);

    // Reads the version that applies to the quarter (the newest starting on or before
    // it) and the stored values; without stored rows every field is 0. False when the
    // version has no lines.
    bool carregar();
    QDate versao() const { return m_versao; }
    const QList<LinhaFluxoCaixa> &linhas() const { return m_linhas; }
    bool existeLinha(const QString &codigo) const { return m_porCodigo.contains(codigo); }
    const LinhaFluxoCaixa *linha(const QString &codigo) const;

    // Applies the line's nature to a typed amount and keeps the result.
    EntradaFluxo informar(const QString &codigo, Moeda valor);
    Moeda valor(const QString &codigo) const; // any field, totals and summary included

    // Writes every field whose line is in the version, in one transaction.
    void gravar();

private:
    void recalcular();

    ValoresVersionados m_banco;
    QDate m_versao;
    QList<LinhaFluxoCaixa> m_linhas;
    QHash<QString, int> m_porCodigo;
    QHash<QString, Moeda> m_valores;
};

} // namespace kelpa
