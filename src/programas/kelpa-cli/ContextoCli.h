#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace kelpa::cli {

// Exit codes of kelpa-cli; documented in the README and stable for scripts.
enum Saida : int {
    Sucesso = 0,
    Constatacao = 1, // the command ran and reports a finding (e.g. validation errors)
    UsoInvalido = 2, // bad use or bad input
    FalhaInterna = 3,
};

// What every subcommand gets: the resolved program home and database directory,
// and the two output streams.
struct ContextoCli {
    QString home;       // ends with "/"
    QString diretorio;  // database directory, ends with "/"
    QTextStream &out;
    QTextStream &err;

    QString arquivoIni() const;
    QString arquivoBanco() const;
};

// Reads "--nome valor" options from `args`. Unknown options and missing values are
// reported on err; returns false then.
class Opcoes
{
public:
    Opcoes(const QStringList &args, const QStringList &comValor, const QStringList &semValor);
    bool ok() const { return m_erro.isEmpty(); }
    QString erro() const { return m_erro; }
    bool tem(const QString &nome) const;
    QString valor(const QString &nome) const;
    QStringList posicionais() const { return m_posicionais; }

private:
    QMap<QString, QString> m_valores;
    QStringList m_posicionais;
    QString m_erro;
};

} // namespace kelpa::cli
