#pragma once

#include "FormatacaoExportacao.h"

#include <QByteArray>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

struct sqlite3;
struct sqlite3_stmt;

namespace kelpa {

// One definitions statement run straight on the SQLite handle of a Qt connection.
// The exporter needs what Qt's driver does not tell (the declared type of every result
// column, the number of parameters) and streams many rows, so it reads through the
// C interface without building a QVariant per value. Throws ErroBanco on failure.
class CursorSqlite
{
public:
    // `sql` must be one read-only statement; anything else is refused before it runs.
    CursorSqlite(const QSqlDatabase &db, const QString &sql);
    ~CursorSqlite();
    CursorSqlite(const CursorSqlite &) = delete;
    CursorSqlite &operator=(const CursorSqlite &) = delete;

    int quantidadeParametros() const;
    // Parameter i (0-based) takes element i of `valores`; parameters beyond the list stay
    // null, elements beyond the parameters are ignored.
    void preencherParametros(const QVariantList &valores);

    // Steps to the next row; false at the end.
    bool proxima();

    int quantidadeColunas() const { return int(m_tipos.size()); }
    QList<QByteArray> nomesColunas() const; // UTF-8
    FormatacaoExportacao::TipoCampo tipo(int coluna) const { return m_tipos.at(coluna); }
    // Appends the value of a column of the current row, formatted for the export file.
    void anexarValor(QByteArray &destino, int coluna) const;

    static sqlite3 *handle(const QSqlDatabase &db);

private:
    [[noreturn]] void falhar(const QString &oque) const;

    sqlite3 *m_db = nullptr;
    sqlite3_stmt *m_stmt = nullptr;
    QString m_sql;
    QList<FormatacaoExportacao::TipoCampo> m_tipos;
};

} // namespace kelpa
