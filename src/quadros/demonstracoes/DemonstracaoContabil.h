#pragma once

#include "Moeda.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace kelpa {

// One account of a statement with its value for the quarter.
struct ContaDemonstracao {
    QString referencia; // CD_CONTA_REFERENCIA
    QString contabil;   // CD_CONTA_CONTABIL: one character per level
    QString descricao;  // DE_CONTA_CONTABIL as stored
    QString tipoEditar; // "S" entered by the user, "N" computed
    QString compoe;     // the account it sums into; "0" for a top account
    QString dica;       // DE_HINT_CONTA_CONTABIL
    QString idTipoPlano;
    QDate versaoPlano;
    QString estadoTransmissao; // LG_ALTR_TRAM
    Moeda valor;

    bool editavel() const { return tipoEditar.trimmed().toUpper() == QLatin1String("S"); }
    // Deduction accounts hold zero or a negative amount.
    bool deducao() const { return descricao.contains(QLatin1String("(-)")); }
    int nivel() const { return static_cast<int>(contabil.size()); }
    // Each level indented five spaces more than its parent, cut to 250 characters.
    QString descricaoRecuada() const;
};

// What confirming a statement gets: accepted, refused with an error, or a question
// the user must answer with OK before it is accepted.
struct CriticaDemonstracao {
    enum Resultado { Aceita, Recusada, Perguntar } resultado = Aceita;
    QString mensagem;
};

// The balance-sheet assets ("A"), liabilities ("P") or income statement ("R") of one
// operator and quarter, as the statements grid shows and edits them. Every accepted
// value is written at once together with the totals it changes, in one transaction;
// every computed account stays equal to the sum of its children.
class DemonstracaoContabil
{
public:
    DemonstracaoContabil(QSqlDatabase db, QString codOper, QDate trimestre, QChar tipo);

    static QString titulo(QChar tipo);     // "Quadro 11: Balanço Patrimonial Ativo", ...
    static QString nomeTotal(QChar tipo);  // "Total do Ativo", "Total do Passivo", "Resultado Líquido"

    // Reads the quarter's accounts in display order and takes the undo snapshot.
    void carregar();
    const QList<ContaDemonstracao> &contas() const { return m_contas; }
    int indice(const QString &referencia) const { return m_indice.value(referencia, -1); }
    QChar tipo() const { return m_tipo; }
    QDate trimestre() const { return m_trimestre; }

    // A value typed into an entered account's cell: read as pt-BR text, cut toward
    // zero to cents (text that is not an amount counts as 0), made negative on a
    // deduction account, written with every total above it. Returns the rows whose
    // value changed. Computed accounts refuse input (nothing happens).
    QList<int> digitar(int linha, const QString &texto);
    QList<int> definirValor(int linha, Moeda valor);
    // Sets many entered accounts at once and recomputes every total; one transaction.
    QList<int> definirValores(const QHash<QString, Moeda> &valoresPorReferencia);

    // Some written value differed from the one it replaced ("Confirmar" becomes available).
    bool alterado() const { return m_alterado; }
    // Puts back every value and transmission state as they were at `carregar()`.
    void desfazer();

    // The grid's texts and looks.
    QString textoValor(int linha) const;
    QString textoParaEdicao(int linha) const;
    bool editavelNaGrade(int linha, bool ultimoTrimestre, bool modoEdicao) const;
    bool emVermelho(int linha) const;
    bool emNegrito(int linha) const { return !m_contas.at(linha).editavel(); }

    // The account whose description is the statement's total (spaces and case ignored); -1 when none.
    int linhaTotal() const;
    // The confirmation checks of the statement for the quarter's year.
    CriticaDemonstracao criticar() const;
    // Quadros 8 or 9 hold a non-zero value for the quarter.
    bool quadros8ou9Preenchidos() const;

private:
    Moeda somaDosFilhos(const QString &referencia) const;
    // Applies the deduction rule and returns the value the account will hold.
    Moeda valorAGravar(int linha, Moeda valor) const;
    // Recomputes the ancestors of `linha`, collecting the rows that change.
    void totalizarAcima(int linha, QHash<int, Moeda> &novos) const;
    QList<int> gravar(const QHash<int, Moeda> &novos);

    QSqlDatabase m_db;
    QString m_codOper;
    QDate m_trimestre;
    QChar m_tipo;
    QList<ContaDemonstracao> m_contas;
    QHash<QString, int> m_indice;
    QHash<QString, QList<int>> m_filhos;
    QList<QPair<Moeda, QString>> m_desfazer; // value and state per row at load time
    bool m_alterado = false;
};

} // namespace kelpa
