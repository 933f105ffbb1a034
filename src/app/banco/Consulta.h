#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

namespace kelpa {

// A prepared statement with bound values that throws ErroBanco on failure, so a
// failed statement can never pass unnoticed. Dates travel as ISO text
// ("YYYY-MM-DD"): SQLite compares them as text, and any other form would match nothing.
class Consulta
{
public:
    Consulta(const QSqlDatabase &db, const QString &sql);

    Consulta &bind(const QString &nome, const QVariant &valor);
    Consulta &bind(const QString &nome, const QDate &data);
    Consulta &bind(const QString &nome, const QString &texto);
    Consulta &bind(const QString &nome, const char *texto) = delete; // say QStringLiteral
    Consulta &bind(const QString &nome, int valor) { return bind(nome, QVariant(valor)); }
    Consulta &bind(const QString &nome, qint64 valor) { return bind(nome, QVariant(valor)); }
    Consulta &bind(const QString &nome, double valor) { return bind(nome, QVariant(valor)); }

    Consulta &executar();
    bool proxima();
    // Runs the statement and tells whether it returned at least one row (positioned on it).
    bool primeira();

    QVariant valor(int coluna) const;
    QVariant valor(const QString &coluna) const;
    QString texto(const QString &coluna) const;
    QDate data(const QString &coluna) const;
    double real(const QString &coluna) const;
    qint64 inteiro(const QString &coluna) const;
    bool nulo(const QString &coluna) const;
    int linhasAfetadas() const;

    QSqlQuery &query() { return m_query; }

    // The one place that turns dates into what the database stores.
    static QVariant paraBanco(const QDate &data);
    static QDate dataDoBanco(const QVariant &valor);

private:
    QSqlQuery m_query;
    QString m_sql;
};

// Runs one statement without parameters; throws on failure.
void executarSql(const QSqlDatabase &db, const QString &sql);

} // namespace kelpa
