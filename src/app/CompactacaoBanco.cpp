#include "CompactacaoBanco.h"

#include "app/banco/ConexaoBanco.h"
#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"

#include <QFileInfo>
#include <QSqlQuery>

namespace kelpa {

bool CompactacaoBanco::CompactaBase(const QString &arquivo)
{
    const QFileInfo info(arquivo);
    if (!info.isFile() || !info.isWritable() || !QFileInfo(info.absolutePath()).isWritable())
        return false;
    try {
        auto conexao = ConexaoBanco::abrir(arquivo);
        QSqlDatabase db = conexao->db();
        // Never wait for another station: compaction is a courtesy, not a step to insist on.
        executarSql(db, QStringLiteral("PRAGMA busy_timeout=0"));
        QSqlQuery vacuo(db);
        return vacuo.exec(QStringLiteral("VACUUM"));
    } catch (const ErroBanco &) {
        return false;
    }
}

} // namespace kelpa
