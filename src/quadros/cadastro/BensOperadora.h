#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>

namespace kelpa {

// A kind of asset of the regulator's coding (TB_BEMCODIGO).
struct TipoBem {
    QString codigo;
    QString nome;
    // "1018 - Quotas de fundos..." as the lists show it: the code as a number in four places.
    QString texto() const;
};

// What the operator's financial assets and real estate registers share: rows not bound
// to periods, known by a sequence code of a letter and nine digits, which Quadro 14A
// links by that code. A register states its table and its letter.
class BensOperadora
{
public:
    BensOperadora(const QSqlDatabase &db, QString codOper, QString tabela, QChar letra);

    // "A000000042" for the letter A and the number 42.
    static QString CodigoSequencia(QChar letra, qint64 numero);
    static QString TextoTipoBem(const QString &codigo, const QString &nome);

    // Some quarter of Quadro 14A links the row.
    bool Vinculado(const QString &sequencia) const;
    // Deletes the row in one transaction; false, with nothing deleted, while it is linked.
    bool Exclui(const QString &sequencia);

    // The kinds of asset, by name: those of the groups given (`CD_INDICADOR`), or every
    // kind but those groups when `exceto`; every kind when no group is given.
    QList<TipoBem> TiposBem(const QStringList &grupos, bool exceto = false) const;

protected:
    // How a row is written: its code, its transmission state, and whether it is new.
    struct Gravacao {
        QString sequencia;
        QString estado;
        bool nova = true;
    };
    // Called inside the save's transaction. A new row (empty `sequencia`) gets the next
    // code then, so that two stations never take the same one, and never a code
    // Quadro 14A still names; it is written "N". A stored row keeps its code and is
    // written "A" once transmitted. Throws ErroBanco when the row is no longer stored.
    Gravacao IniciaGravacao(const QString &sequencia) const;

    QSqlDatabase m_db;
    QString m_codOper;

private:
    QString ProximaSequencia() const;

    QString m_tabela;
    QChar m_letra;
};

} // namespace kelpa
