#pragma once

// Databases of older versions, built from the SQL scripts in fixtures/esquema, for
// the program's upgrade and the installer's update.

#include "app/banco/ConexaoBanco.h"
#include "app/banco/Consulta.h"
#include "app/banco/CriacaoBanco.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace kelpa::teste {

inline QString lerFixture(const QString &nome)
{
    QFile f(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/fixtures/esquema/") + nome);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << nome.toStdString();
    return QString::fromUtf8(f.readAll());
}

// Versions build on each other: a fixture of a version runs the schema scripts of
// every version up to it, then their data scripts.
struct Etapa {
    const char *versao;
    const char *esquema;
    const char *dados;
};
inline const Etapa etapas[] = {
    {"anterior", "anterior_3_0_0.sql", "dados_anterior_3_0_0.sql"},
    {"3.0.1", "versao_3_0_1.sql", "dados_3_0_1.sql"},
    {"3.0.4", "versao_3_0_4.sql", "dados_3_0_4.sql"},
    {"3.1.0", "versao_3_1_0.sql", nullptr},
    {"4.0.0", "versao_4_0_0.sql", "dados_4_0_0.sql"},
};

// A database of an older version in its own temporary directory, as Kelpa.db.
class BaseAntiga
{
public:
    explicit BaseAntiga(const char *versao)
    {
        m_conexao = ConexaoBanco::abrirCriando(arquivo());
        QStringList scripts;
        QStringList dados;
        for (const Etapa &e : etapas) {
            scripts << QString::fromLatin1(e.esquema);
            if (e.dados)
                dados << QString::fromLatin1(e.dados);
            if (QLatin1String(e.versao) == QLatin1String(versao))
                break;
        }
        for (const QString &nome : scripts + dados)
            for (const QString &comando : CriacaoBanco::separarComandos(lerFixture(nome)))
                executarSql(db(), comando);
    }
    QSqlDatabase db() const { return m_conexao->db(); }
    QString diretorio() const { return m_dir.path() + QStringLiteral("/"); }
    QString arquivo() const { return diretorio() + QStringLiteral("Kelpa.db"); }
    void fechar() { m_conexao.reset(); }
    void sql(const QString &comando) const { executarSql(db(), comando); }
    QVariant escalar(const QString &consulta) const
    {
        QSqlQuery q(db());
        if (!q.exec(consulta) || !q.next()) {
            ADD_FAILURE() << consulta.toStdString();
            return {};
        }
        return q.value(0);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<ConexaoBanco> m_conexao;
};

} // namespace kelpa::teste
