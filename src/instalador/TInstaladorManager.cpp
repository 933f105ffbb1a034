#include "TInstaladorManager.h"

#include "TInstallManagerDm.h"

#include "app/banco/ErroBanco.h"
#include "plataforma/ArquivoIni.h"
#include "plataforma/CaminhosPrograma.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

namespace kelpa {

TInstaladorManager::TInstaladorManager(QString diretorioInstalador)
    : CurrentInstalatorPath(std::move(diretorioInstalador))
    , DirInstallDefault(diretorioPadrao())
{
    if (!CurrentInstalatorPath.isEmpty() && !CurrentInstalatorPath.endsWith(QLatin1Char('/')))
        CurrentInstalatorPath += QLatin1Char('/');
}

TInstaladorManager::~TInstaladorManager() = default;

QString TInstaladorManager::diretorioPadrao()
{
    QString dados = qEnvironmentVariable("XDG_DATA_HOME");
    if (dados.isEmpty())
        dados = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(dados + QStringLiteral("/kelpa"));
}

QString TInstaladorManager::diretorioDaBase(const QString &diretorio)
{
    ArquivoIni ini(CaminhosPrograma::localizar(diretorio, CaminhosPrograma::nomeArquivoIni()));
    if (ini.carregar()) {
        const QString base = ini.valor(QStringLiteral("Defaults"), QStringLiteral("DiretorioBase")).trimmed();
        if (!base.isEmpty() && CaminhosPrograma::existe(base, CaminhosPrograma::nomeBanco()))
            return QDir::cleanPath(base);
    }
    return QDir::cleanPath(diretorio);
}

void TInstaladorManager::setDownloadNameMBDApp(const QString &nome)
{
    m_downloadNameMBDApp = nome;
    m_nomeBaseAtualizacao = nome.isEmpty() ? QString() : nome.left(nome.size() - 1) + QLatin1Char('b');
}

QString TInstaladorManager::BaseUsuario() const
{
    return m_baseUsuario.isEmpty() ? instalacao() + ApplicationDBFileName : m_baseUsuario;
}

qint64 TInstaladorManager::FreeSpaceDisk() const
{
    // The installation directory may not exist yet: its nearest existing parent
    // is on the volume that will receive the files.
    QDir dir(ApplicationInstalPath.isEmpty() ? DirInstallDefault : ApplicationInstalPath);
    while (!dir.exists() && !dir.isRoot())
        dir.setPath(QFileInfo(dir.absolutePath()).path());
    const QStorageInfo volume(dir.absolutePath());
    return volume.isValid() ? volume.bytesAvailable() / 1024 : 0;
}

bool TInstaladorManager::HasFreeSpace() const
{
    return FreeSpaceDisk() > ExpectedFreeSpaceDisk;
}

TInstallManagerDm &TInstaladorManager::dm()
{
    if (!m_dm) {
        m_dm = std::make_unique<TInstallManagerDm>(BaseUsuario(), instalacao() + m_nomeBaseAtualizacao);
        m_dm->setDataPlano(DT_INIC_VIGN_PLANO);
    }
    return *m_dm;
}

void TInstaladorManager::OpenUserDatabase()
{
    if (!QFileInfo::exists(BaseUsuario()))
        throw ErroBanco(QStringLiteral("Não foi encontrada a base de dados do KELPA em %1").arg(QDir::toNativeSeparators(BaseUsuario())));
    dm().OpenUserDatabase();
}

bool TInstaladorManager::NeedsDataCleanup()
{
    return dm().NeedsDataCleanup();
}

void TInstaladorManager::DeleteData2007()
{
    dm().DeleteData2007();
}

void TInstaladorManager::apagaArquivo(const QString &caminho)
{
    QFileInfo info(caminho);
    if (!info.exists() && !info.isSymLink())
        return;
    QFile::setPermissions(caminho, QFile::permissions(caminho) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    QFile::remove(caminho);
}

void TInstaladorManager::BackupOrRemove(bool removerAntigos)
{
    if (!m_backupFeito) {
        const QString base = instalacao() + QStringLiteral("BKP20071_KELPA");
        QString nome = base;
        for (int n = 1; QFileInfo::exists(nome); ++n)
            nome = base + QString::number(n);
        SecurtyDirPath = nome;
        if (!QDir().mkpath(nome))
            throw ErroBanco(QStringLiteral("Não foi possível criar pasta de cópia de segurança"));
        BackupFiles.clear();
        for (const QString &origem : {instalacao() + ApplicationFileName, BaseUsuario(), instalacao() + ApplicationExptDataFileName}) {
            if (!QFileInfo::exists(origem))
                continue;
            const QString destino = nome + QLatin1Char('/') + QFileInfo(origem).fileName();
            // The backup is what the user falls back on: a copy that fails stops here.
            if (!QFile::copy(origem, destino))
                throw ErroBanco(QStringLiteral("Não foi possível copiar %1 para a pasta de cópia de segurança %2")
                                    .arg(QDir::toNativeSeparators(origem), QDir::toNativeSeparators(nome)));
            BackupFiles << destino;
        }
    } else if (removerAntigos) {
        apagaArquivo(instalacao() + ApplicationFileName);
        apagaArquivo(instalacao() + ApplicationExptDataFileName);
    }
    m_backupFeito = true;
}

void TInstaladorManager::RemoveOldFiles()
{
    apagaArquivo(instalacao() + ApplicationExptDataFileName);
    apagaArquivo(instalacao() + m_nomeBaseAtualizacao);
    apagaArquivo(instalacao() + ApplicationFileName);
}

void TInstaladorManager::copia(const QString &origem, const QString &destino) const
{
    // Never over an existing file: above all never over the user's database.
    if (QFileInfo::exists(destino))
        return;
    if (!QFile::copy(origem, destino))
        throw ErroBanco(QStringLiteral("Não foi possível copiar o arquivo %1 para %2")
                            .arg(QDir::toNativeSeparators(origem), QDir::toNativeSeparators(destino)));
}

void TInstaladorManager::CopyInstallFiles()
{
    for (const QString &pacote : {DownloadNameExptDataApp, m_downloadNameMBDApp, DownloadNameExeApp}) {
        if (!QFileInfo::exists(CurrentInstalatorPath + pacote))
            throw ErroBanco(QStringLiteral("Não foi encontrado o arquivo %1").arg(pacote));
    }
    copia(CurrentInstalatorPath + DownloadNameExeApp, instalacao() + ApplicationFileName);
    copia(CurrentInstalatorPath + DownloadNameExptDataApp, instalacao() + ApplicationExptDataFileName);
    copia(CurrentInstalatorPath + m_downloadNameMBDApp,
          instalacao() + (InstalationType == 1 ? m_nomeBaseAtualizacao : ApplicationDBFileName));
    // The program must stay runnable whatever the medium the package came on did to its mode.
    QFile::setPermissions(instalacao() + ApplicationFileName,
                          QFile::permissions(instalacao() + ApplicationFileName) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

void TInstaladorManager::UpdateSchema()
{
    dm().UpdateSchema();
}

bool TInstaladorManager::UpdateDatabase()
{
    return dm().UpdateDatabase();
}

void TInstaladorManager::RebuildConsts()
{
    dm().RebuildConsts();
}

QString TInstaladorManager::MsgErroUpdate() const
{
    return m_dm ? m_dm->MsgErroUpdate() : QString();
}

void TInstaladorManager::CreateDefaultDir()
{
    if (!QDir().mkpath(DirInstallDefault))
        throw ErroBanco(QStringLiteral("Não foi possível Criar o Diretório de instalação do KELPA:") + DirInstallDefault);
}

void TInstaladorManager::CloseDatabases()
{
    if (m_dm)
        m_dm->CloseDatabases();
}

void TInstaladorManager::RemovePackageFiles()
{
    const QString i = instalacao();
    const QString p = CurrentInstalatorPath;
    for (const QString &nome : {DownloadNameExeApp, DownloadNameExptDataApp}) {
        apagaArquivo(p + nome);
        apagaArquivo(i + nome);
    }
    apagaArquivo(i + m_nomeBaseAtualizacao);
    apagaArquivo(p + m_nomeBaseAtualizacao);
    apagaArquivo(p + m_downloadNameMBDApp);
    apagaArquivo(i + m_downloadNameMBDApp);
    for (const QString &nome : DisksInstalation) {
        apagaArquivo(i + nome);
        apagaArquivo(p + nome);
    }
}

} // namespace kelpa
