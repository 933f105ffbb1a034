#pragma once

#include <QList>
#include <QString>

namespace kelpa {

// The parts of a CREATE TABLE statement as SQLite keeps it, enough to write the
// statement again with a column's type changed or a column or constraint added.
// SQLite cannot change a column or add a constraint in place: the table is rebuilt
// from this definition, and everything else the original text said (NOT NULL,
// defaults, keys, constraint names) is carried over word for word.
class DefinicaoTabelaSqlite
{
public:
    struct Elemento {
        QString texto;
        bool restricao = false; // a table constraint; otherwise a column definition
        QString coluna;         // the column's name, unquoted
    };

    // Throws ErroBanco when the text is not a CREATE TABLE with a list of columns.
    static DefinicaoTabelaSqlite ler(const QString &sql);

    const QList<Elemento> &elementos() const { return m_elementos; }
    QString sufixo() const { return m_sufixo; }
    // Index of the column's definition, names compared as SQLite does (case aside); -1 when missing.
    qsizetype indiceColuna(const QString &nome) const;
    // The declared type as written ("TEXT(255)"); empty when the column has none.
    QString tipoColuna(qsizetype indice) const;
    void alterarTipo(qsizetype indice, const QString &tipo);
    // Primary-key columns must hold a value, as in every other database.
    void exigirNaoNulo(qsizetype indice);
    void adicionarColuna(const QString &definicao);
    void adicionarRestricao(const QString &definicao);
    // A constraint of that name exists, on the table or on one of its columns.
    bool temRestricao(const QString &nome) const;

    QString criar(const QString &tabela) const;

    // `nome` between double quotes, inner quotes doubled.
    static QString citado(const QString &nome);

private:
    QList<Elemento> m_elementos;
    QString m_sufixo;
};

} // namespace kelpa
