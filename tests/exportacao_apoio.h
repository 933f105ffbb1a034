#pragma once

// Helpers shared by the export tests (exportacao_*.cpp).

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace kelpa::teste::exportacao {

inline QString fixtures()
{
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/fixtures/exportacao/");
}

inline QString raizProjeto()
{
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../");
}

// The directory of the built programs, where the build puts Expt_Kelpa.dat.
inline QString diretorioProgramas()
{
    return QFileInfo(QStringLiteral(KELPA_CLI)).absolutePath() + QStringLiteral("/");
}

inline QByteArray ler(const QString &caminho)
{
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << caminho.toStdString();
        return {};
    }
    return f.readAll();
}

inline void gravar(const QString &caminho, const QByteArray &bytes)
{
    QFile f(caminho);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << caminho.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

inline QStringList arquivosEm(const QString &diretorio)
{
    return QDir(diretorio).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Bytes that look like nothing in particular, reproducible.
inline QByteArray bytesPseudoAleatorios(qsizetype n, quint32 semente = 12345)
{
    QByteArray b(n, Qt::Uninitialized);
    for (qsizetype i = 0; i < n; ++i) {
        semente = semente * 1103515245u + 12345u;
        b[i] = char(semente >> 16);
    }
    return b;
}

} // namespace kelpa::teste::exportacao
