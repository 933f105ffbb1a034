#pragma once

#include "Moeda.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

namespace kelpa {

// Quadro 16: the movement of the operator's accumulated profits or losses over the
// year. The balance at 31 December of the previous year (SALDOACUMULADOANO), each
// item's movement in the quarter and since the start of the year
// (SALDOACUMULADOTRIMESTRE, keyed by year and quarter number), and the current
// balance, which must equal the accumulated profits or losses of Quadro 12. What the
// user types stays here until `gravar()` writes it in one transaction.
class LucrosPrejuizos
{
public:
    static const QString Titulo;            // "Quadro 16: Lucros ou Prejuízos"
    static const QString AvisoSemTrimestre; // the operator holds no quarter of this quadro
    static const QString AvisoAntes2005;    // a quarter of 2004 or earlier
    // Quarters the quadro holds figures for: from the first quarter of 2005.
    static bool disponivel(const QDate &trimestre) { return trimestre.isValid() && trimestre >= QDate(2005, 1, 1); }

    // The operator's quarters of this quadro, newest first: the quarters its items are
    // stored for. Throws ErroBanco when the database refuses.
    static QList<QDate> Trimestres(const QSqlDatabase &db, const QString &codOper);

    struct Item {
        QString codigo;  // CD_ITEM_SALDO
        QDate versao;    // DT_INIC_VIGN_SALDO
        QString sinal;   // TP_SINAL_ITEM: "P" zero or positive, "N" zero or negative, "A" either
        QString descricao;
        QString dica;
        Moeda valor;     // the quarter's movement, as typed
        Moeda anteriores; // the movements of the year's earlier quarters
        Moeda acumulado() const { return anteriores + valor; }
    };

    LucrosPrejuizos(QSqlDatabase db, QString codOper, QDate trimestre);

    QDate trimestre() const { return m_trimestre; }
    int ano() const { return m_trimestre.year(); }
    int numeroTrimestre() const;

    // Reads the quarter's items, their accumulated movements and the previous year's
    // closing balance; writes nothing. A year without its closing balance starts at 0.
    // Throws ErroBanco when the database refuses.
    void carregar();

    const QList<Item> &itens() const { return m_itens; }
    // A typed movement, cut toward zero to cents. Returns whether it changed.
    bool informar(int linha, Moeda valor);

    Moeda saldoAnterior() const { return m_saldoAnterior; }
    bool informarSaldoAnterior(Moeda valor);
    // The closing balance is the year's own business: it is typed in the year's first
    // quarter the operator holds, or whenever it was never stored.
    bool saldoAnteriorEditavel() const { return m_saldoAnteriorNovo || m_primeiroDoAno; }

    Moeda totalTrimestre() const;
    Moeda totalAcumulado() const;
    // The previous year's balance plus the year's movement.
    Moeda saldoAtual() const { return m_saldoAnterior + totalAcumulado(); }

    // Something differs from what is stored.
    bool alterado() const;
    // The first item whose movement has the wrong sign, as the message that refuses the
    // confirmation; empty when every sign is right (zero is right for both).
    QString criticaSinais() const;
    // Writes the changed movements and the previous year's balance in one transaction
    // (the transmission state of each row written turns "T" and "A" into "A", anything
    // else into "N"). Throws ErroBanco when the database refuses; nothing is then written
    // and what was typed is kept.
    void gravar();

private:
    QSqlDatabase m_db;
    QString m_codOper;
    QDate m_trimestre;
    QList<Item> m_itens;
    QList<Moeda> m_gravados;
    QList<QString> m_estados;
    Moeda m_saldoAnterior;
    Moeda m_saldoAnteriorGravado;
    QString m_estadoAno;
    bool m_saldoAnteriorNovo = true;
    bool m_primeiroDoAno = true;
};

} // namespace kelpa
