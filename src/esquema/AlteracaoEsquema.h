#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace kelpa {

// One column as the schema changes name it: its name, the type word (TEXTO, REAL,
// DATA, DUPLO, INTEIRO, MEMORANDO, AUTOINCREMENT) and, for texts, the width.
struct DefinicaoColuna {
    QString nome;
    QString tipo;
    int tamanho = 0;
};

// The small set of schema changes with which the program and the installer bring
// an older database up to date. Every addition is meant to be guarded by an
// existence test, so running an upgrade twice changes nothing the second time.
// What one database engine lacks (SQLite has no ALTER COLUMN nor ADD CONSTRAINT)
// stays inside its implementation; callers speak only in these operations.
// Table and column names are program constants: anything that is not a plain
// identifier is refused before it reaches the database.
class AlteracaoEsquema
{
public:
    // Constraint kinds, as the callers write them (the primary key with two spaces).
    static QString chavePrimaria() { return QStringLiteral("PRIMARY  KEY"); }
    static QString chaveEstrangeira() { return QStringLiteral("FOREIGN KEY"); }
    // Shown when a column is asked for with a type word that is not in the list.
    static QString mensagemTipoDesconhecido();

    virtual ~AlteracaoEsquema() = default;

    // Table names are found as the database resolves them (case does not matter).
    virtual bool TabelaExiste(const QString &tabela) = 0;
    // Column names are compared exactly: "cd_oper" is not "CD_OPER". False when
    // the table does not exist.
    virtual bool ColunaExiste(const QString &coluna, const QString &tabela) = 0;
    // Creates the table with these columns (at least one: a table without
    // columns cannot exist here). Throws when the table exists.
    virtual void CriaTabela(const QString &tabela, const QList<DefinicaoColuna> &colunas) = 0;
    // Adds the column unconditionally. An unknown type word is refused with
    // `mensagemTipoDesconhecido()` before anything is sent.
    virtual void CriaColuna(const QString &coluna, const QString &tabela, const QString &tipo, int tamanho) = 0;
    // True when the column is declared as a double-precision number. Throws when
    // the table or the column does not exist.
    virtual bool ColunaEhFloat(const QString &coluna, const QString &tabela) = 0;
    // Changes the column's type to a double-precision number, keeping every row.
    virtual void AlteraParaFloat(const QString &coluna, const QString &tabela) = 0;
    // Changes the column's type (a type word, as for `CriaColuna`), keeping every row.
    virtual void AlteraTipoColuna(const QString &coluna, const QString &tabela, const QString &tipo, int tamanho = 0) = 0;
    // Adds a named primary key (`chavePrimaria()`) or foreign key (`chaveEstrangeira()`,
    // referencing `colunasReferidas` of `tabelaReferida`) on `colunas`. The existing
    // rows must satisfy it; otherwise nothing changes and the error is thrown.
    virtual void AdicionaRestricao(const QString &tabela, const QString &tipo, const QString &nome,
                                   const QString &tabelaReferida, const QStringList &colunasReferidas,
                                   const QStringList &colunas) = 0;

    // The guarded forms, the same for every database. True when they changed something.
    bool AdicionaColuna(const QString &coluna, const QString &tabela, const QString &tipo, int tamanho);
    bool ConverteParaFloat(const QString &coluna, const QString &tabela);
    // Creates the table with all its columns when it is missing; otherwise adds the
    // columns it lacks. True when the table was created.
    bool GaranteTabela(const QString &tabela, const QList<DefinicaoColuna> &colunas);

    // The names joined with ", "; at least one name is needed.
    static QString JuntaLista(const QStringList &nomes);
    // Refuses anything that is not a plain identifier; returns the name.
    static QString identificador(const QString &nome);
};

} // namespace kelpa
