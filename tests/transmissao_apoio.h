#pragma once

// Helpers shared by the sending tests (transmissao_*.cpp, submissao_*.cpp): the
// stand-in transmission client installed in a directory of the test's own, and
// environment variables set for one test only.

#include "exportacao_apoio.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <optional>

namespace kelpa::teste::transmissao {

// Sets environment variables for the lifetime of the object and puts back what was
// there before (the client started by the code under test inherits them).
class Ambiente
{
public:
    Ambiente() = default;
    Ambiente(const Ambiente &) = delete;
    Ambiente &operator=(const Ambiente &) = delete;
    ~Ambiente()
    {
        for (auto it = m_anteriores.crbegin(); it != m_anteriores.crend(); ++it) {
            if (it->second)
                qputenv(it->first.constData(), *it->second);
            else
                qunsetenv(it->first.constData());
        }
    }
    void definir(const char *nome, const QString &valor)
    {
        guardar(nome);
        qputenv(nome, valor.toLocal8Bit());
    }
    void remover(const char *nome)
    {
        guardar(nome);
        qunsetenv(nome);
    }

private:
    void guardar(const char *nome)
    {
        m_anteriores.append({QByteArray(nome), qEnvironmentVariableIsSet(nome)
                                                   ? std::optional<QByteArray>(qgetenv(nome))
                                                   : std::nullopt});
    }
    QList<std::pair<QByteArray, std::optional<QByteArray>>> m_anteriores;
};

// The stand-in client copied to `diretorio` under the name "VTX" (so that its
// "Protocolos" folder is the test's), configured through KELPA_VTX_PATH, reporting
// what it received into `diretorio`/relatorio.json.
class VtxSimulado
{
public:
    VtxSimulado(const QString &diretorio, Ambiente &ambiente)
        : m_diretorio(QDir(diretorio).absolutePath() + u'/')
    {
        QDir().mkpath(m_diretorio);
        m_programa = m_diretorio + QStringLiteral("VTX");
        EXPECT_TRUE(QFile::copy(QStringLiteral(KELPA_VTX_SIMULADO), m_programa));
        QFile::setPermissions(m_programa, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ambiente.definir("KELPA_VTX_PATH", m_programa);
        ambiente.definir("VTX_SIMULADO_RELATORIO", relatorioCaminho());
        ambiente.remover("VTX_SIMULADO_SAIDA");
        ambiente.remover("VTX_SIMULADO_SEM_PROTOCOLO");
        ambiente.remover("VTX_SIMULADO_ESPERA_MS");
    }

    QString diretorio() const { return m_diretorio; }
    QString programa() const { return m_programa; }
    QString relatorioCaminho() const { return m_diretorio + QStringLiteral("relatorio.json"); }
    QString protocolos() const { return m_diretorio + QStringLiteral("Protocolos/"); }
    bool executou() const { return QFileInfo::exists(relatorioCaminho()); }

    // What the client received; empty when it did not run.
    QJsonObject relatorio() const
    {
        QFile f(relatorioCaminho());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(f.readAll()).object();
    }
    QStringList campos() const
    {
        QStringList c;
        for (const QJsonValue &v : relatorio().value(QStringLiteral("campos")).toArray())
            c << v.toString();
        return c;
    }

private:
    QString m_diretorio;
    QString m_programa;
};

} // namespace kelpa::teste::transmissao
