#pragma once

#include <QSqlDatabase>
#include <QString>
#include <memory>

namespace kelpa {

// One open connection to a KELPA database file. Opening never creates a file: a
// missing database is an error, not an empty new one. The connection is removed
// from Qt's registry when the object goes away.
class ConexaoBanco
{
public:
    ~ConexaoBanco();
    ConexaoBanco(const ConexaoBanco &) = delete;
    ConexaoBanco &operator=(const ConexaoBanco &) = delete;

    // Throws ErroBanco when the file is missing or cannot be opened.
    static std::unique_ptr<ConexaoBanco> abrir(const QString &arquivo);
    // Opens, creating the file; only for building a new database.
    static std::unique_ptr<ConexaoBanco> abrirCriando(const QString &arquivo);

    QSqlDatabase db() const;
    QString arquivo() const { return m_arquivo; }
    QString nomeConexao() const { return m_nome; }

private:
    ConexaoBanco(QString nome, QString arquivo);
    static std::unique_ptr<ConexaoBanco> abrirComModo(const QString &arquivo, const char *modo);

    QString m_nome;
    QString m_arquivo;
};

} // namespace kelpa
