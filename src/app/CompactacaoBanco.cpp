#include "CompactacaoBanco.h"

#include "app/banco/ConexaoBanco.h"
#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QtDebug>
#include <cstdio>
#include <optional>

namespace kelpa {

namespace {

// SQLite bumps this header counter on every committed change (rollback journal).
std::optional<QByteArray> contadorDeAlteracoes(const QString &arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(24))
        return std::nullopt;
    const QByteArray bytes = f.read(4);
    if (bytes.size() != 4)
        return std::nullopt;
    return bytes;
}

bool copiaIntegra(const QString &arquivo)
{
    try {
        auto conexao = ConexaoBanco::abrir(arquivo);
        Consulta q(conexao->db(), QStringLiteral("PRAGMA quick_check"));
        return q.primeira() && q.valor(0).toString() == QLatin1String("ok");
    } catch (const ErroBanco &) {
        return false;
    }
}

} // namespace

bool CompactacaoBanco::CompactaBase(const QString &arquivo)
{
    const QFileInfo info(arquivo);
    if (!info.isFile() || !info.isWritable() || !QFileInfo(info.absolutePath()).isWritable())
        return false;
    const QString copia = arquivo + QStringLiteral("x");
    QFile::remove(copia);

    try {
        const auto antes = contadorDeAlteracoes(arquivo);
        if (!antes)
            return false;
        {
            auto leitura = ConexaoBanco::abrir(arquivo);
            Consulta vacuo(leitura->db(), QStringLiteral("VACUUM INTO :DESTINO"));
            vacuo.bind(QStringLiteral(":DESTINO"), copia).executar();
        }

        // Exclusive access proves no other station has the file open; then the copy
        // may take its place, provided nobody wrote in the meantime.
        auto exclusiva = ConexaoBanco::abrir(arquivo);
        QSqlDatabase db = exclusiva->db();
        executarSql(db, QStringLiteral("PRAGMA busy_timeout=0"));
        QSqlQuery bloqueio(db);
        if (!bloqueio.exec(QStringLiteral("BEGIN EXCLUSIVE"))) {
            QFile::remove(copia);
            return false;
        }
        bool trocou = false;
        if (contadorDeAlteracoes(arquivo) == antes && copiaIntegra(copia)) {
            QFile::setPermissions(copia, QFile::permissions(arquivo));
            trocou = std::rename(QFile::encodeName(copia).constData(), QFile::encodeName(arquivo).constData()) == 0;
        }
        bloqueio.exec(QStringLiteral("ROLLBACK"));
        if (!trocou)
            QFile::remove(copia);
        return trocou;
    } catch (const ErroBanco &e) {
        qWarning() << "Base não compactada:" << e.textoCompleto();
        QFile::remove(copia);
        return false;
    }
}

} // namespace kelpa
