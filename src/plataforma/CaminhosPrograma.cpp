#include "CaminhosPrograma.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kelpa {

namespace {
QString g_home;

QString comBarra(const QString &d)
{
    QString c = QDir::fromNativeSeparators(d);
    if (!c.endsWith(u'/'))
        c += u'/';
    return c;
}
} // namespace

void CaminhosPrograma::definirHome(const QString &homeExplicito)
{
    QString escolhido = homeExplicito;
    if (escolhido.isEmpty())
        escolhido = qEnvironmentVariable("KELPA_HOME");
    if (escolhido.isEmpty()) {
        const QString dirExe = QCoreApplication::applicationDirPath();
        if (!dirExe.isEmpty() && QFileInfo(dirExe).isWritable())
            escolhido = dirExe;
    }
    if (escolhido.isEmpty()) {
        QString dados = qEnvironmentVariable("XDG_DATA_HOME");
        if (dados.isEmpty())
            dados = QDir::homePath() + QStringLiteral("/.local/share");
        escolhido = dados + QStringLiteral("/kelpa");
    }
    QDir().mkpath(escolhido);
    g_home = comBarra(QFileInfo(escolhido).absoluteFilePath());
}

QString CaminhosPrograma::home()
{
    if (g_home.isEmpty())
        definirHome({});
    return g_home;
}

QString CaminhosPrograma::localizar(const QString &diretorio, const QString &nome)
{
    const QDir dir(diretorio);
    const QString exato = dir.filePath(nome);
    if (QFileInfo::exists(exato))
        return exato;
    const QStringList todos = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString &candidato : todos)
        if (candidato.compare(nome, Qt::CaseInsensitive) == 0)
            return dir.filePath(candidato);
    return exato;
}

bool CaminhosPrograma::existe(const QString &diretorio, const QString &nome)
{
    return !diretorio.isEmpty() && QFileInfo::exists(localizar(diretorio, nome));
}

QString CaminhosPrograma::arquivoIni()
{
    return localizar(home(), nomeArquivoIni());
}

void CaminhosPrograma::garantirDiretorioExecucao()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString dir = QDir::tempPath() + QStringLiteral("/kelpa-runtime-") + qEnvironmentVariable("USER", QStringLiteral("usuario"));
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir));
}

QString CaminhosPrograma::nomeBanco()
{
    return QStringLiteral("Kelpa.db");
}

QString CaminhosPrograma::nomeArquivoIni()
{
    return QStringLiteral("Kelpa.ini");
}

} // namespace kelpa
