#include "ArquivoTemporario.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

namespace kelpa {

ArquivoTemporario::ArquivoTemporario(const QString &diretorio, const QString &modelo)
{
    // QTemporaryFile creates the name exclusively (no race with another process)
    // and with owner-only permissions; we keep the path and drop the handle.
    QTemporaryFile arquivo(QDir(diretorio).filePath(modelo));
    arquivo.setAutoRemove(false);
    if (!arquivo.open()) {
        m_erro = arquivo.errorString();
        return;
    }
    m_caminho = arquivo.fileName();
    arquivo.close();
    if (!QFile::setPermissions(m_caminho, QFile::ReadOwner | QFile::WriteOwner)) {
        m_erro = QStringLiteral("não foi possível restringir as permissões de %1").arg(m_caminho);
        remover();
    }
}

ArquivoTemporario::~ArquivoTemporario()
{
    remover();
}

bool ArquivoTemporario::remover()
{
    if (m_caminho.isEmpty())
        return true;
    if (QFile::exists(m_caminho) && !QFile::remove(m_caminho))
        return false;
    m_caminho.clear();
    return true;
}

} // namespace kelpa
