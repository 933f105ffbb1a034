#pragma once

#include "quadros/demonstracoes/Moeda.h"

#include <QChar>
#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace kelpa {

struct RegraModalidade;

// One selling-expense item of the quarter: a line of the versioned item list
// (TB_DESPESAS_COMERC) with the operator's amount for it (DESPESAS_COMERC_VALOR).
struct ItemDespesaComerc {
    QString codigo;        // CD_DESPESA
    QString tipoPlano;     // ID_TIPO_PLANO
    QDate versao;          // DT_INIC_VIGN_DESP
    QString descricao;     // DE_DESPESA
    QString dica;          // DE_HINT_DESPESA_COMERC
    QChar tipo;            // TP_DESPESA: "M" medical-hospital plans, "O" dental plans
    std::optional<Moeda> valor; // empty on a row nobody typed in yet; counts as 0
    QString estadoTransmissao;

    Moeda valorOuZero() const { return valor.value_or(Moeda()); }
};

// Quadro 10: the quarter's selling expenses, item by item, for medical-hospital and
// dental plans. The items come from the list in force for the quarter; each amount
// is written as soon as it is accepted, and `desfazer()` puts back every amount and
// transmission state as they were when the quarter was read.
class DespesasComercializacao
{
public:
    static constexpr QChar Medico = u'M';
    static constexpr QChar Odonto = u'O';

    DespesasComercializacao(QSqlDatabase db, QString codOper, QDate trimestre);

    static QString titulo();
    // The operators that fill the quadro: those of Quadro 8 and, among companies, the
    // plan administrators, except the administrators of plans or services of the legal
    // natures that leave them out.
    static const RegraModalidade &regraModalidade();
    // Dental modality ("COOPO", "ODGRP") in force at the quarter's end: only the dental items show.
    static bool somenteOdonto(const QSqlDatabase &db, const QString &codOper, const QDate &trimestre);

    QDate trimestre() const { return m_trimestre; }

    // Gives the quarter a row for every item of the list its rows use (or, for a
    // quarter without any, the list in force), both kinds whatever the layout; the
    // new rows have no amount and state "N". One transaction; returns how many were created.
    int criarLinhasFaltantes();
    // Reads the quarter's items in code order and takes the undo snapshot. Writes nothing.
    void carregar();

    const QList<ItemDespesaComerc> &itens() const { return m_itens; }
    QList<ItemDespesaComerc> itens(QChar tipo) const;
    const ItemDespesaComerc *item(const QString &codigo) const;
    // "Total:" of one kind, and "Total Geral:" (every row of the quarter).
    Moeda total(QChar tipo) const;
    Moeda totalGeral() const;

    // An amount accepted for an item, written at once (with the transmission state of
    // an edited row) in one transaction. Negative amounts are taken as they are.
    // False when there is no such item.
    bool informar(const QString &codigo, Moeda valor);
    // Typed text as people write amounts in Brazil ("1.234,56", "-5", "99,999"),
    // cut toward zero to cents; empty or unreadable text is 0.
    bool informarDigitado(const QString &codigo, const QString &texto);

    // Something differs from what was read by `carregar()`.
    bool alterado() const;
    // Puts back the amounts and transmission states of `carregar()`, in one
    // transaction; rows that still hold them are not written.
    void desfazer();

private:
    void lerItens();

    QSqlDatabase m_db;
    QString m_codOper;
    QDate m_trimestre;
    QList<ItemDespesaComerc> m_itens;
    QList<ItemDespesaComerc> m_desfazer;
};

} // namespace kelpa
