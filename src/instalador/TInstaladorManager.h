#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>

namespace kelpa {

class TInstallManagerDm;

// The file work of an installation: free space, the package check, the backup of
// the old installation, removing old files, copying the new ones and cleaning the
// package up afterwards. The database work of an update goes to TInstallManagerDm.
// Failures are thrown as ErroBanco with the text the wizard shows.
//
// The package lies in the installer's directory under its package names and is
// copied to the installed names as it is: the program, the new version's empty
// database and the enciphered export definitions, plus a marker file.
class TInstaladorManager
{
public:
    explicit TInstaladorManager(QString diretorioInstalador);
    ~TInstaladorManager();

    // Directories without a trailing "/".
    QString ApplicationInstalPath;
    QString ApplicationFileName;
    QString ApplicationDBFileName;
    QString ApplicationExptDataFileName;
    QString DownloadNameExeApp;
    QString DownloadNameExptDataApp;
    QStringList DisksInstalation;
    QString CurrentInstalatorPath; // with a trailing "/"
    QString DirInstallDefault;
    int InstalationType = 0; // 0 complete installation, 1 update
    qint64 ExpectedFreeSpaceDisk = 0; // kilobytes
    QDate DT_INIC_VIGN_PLANO{2007, 1, 1};
    QString SecurtyDirPath;
    QStringList BackupFiles;

    // Also derives the name the new database has beside the user's during an update
    // (the package name with its last character replaced by "b").
    void setDownloadNameMBDApp(const QString &nome);
    QString DownloadNameMBDApp() const { return m_downloadNameMBDApp; }
    QString NomeBaseAtualizacao() const { return m_nomeBaseAtualizacao; }

    // The user's database: the installation directory's unless set (a Kelpa.ini in
    // the installation directory may point to another base directory).
    void setBaseUsuario(const QString &caminho) { m_baseUsuario = caminho; }
    QString BaseUsuario() const;

    // Kilobytes free on the volume that holds (or will hold) the installation.
    qint64 FreeSpaceDisk() const;
    bool HasFreeSpace() const;

    void OpenUserDatabase();
    bool NeedsDataCleanup();
    void DeleteData2007();
    void BackupOrRemove(bool removerAntigos);
    void RemoveOldFiles();
    void CopyInstallFiles();
    void UpdateSchema();
    bool UpdateDatabase();
    void RebuildConsts();
    void CreateDefaultDir();
    void CloseDatabases();
    void RemovePackageFiles();
    QString MsgErroUpdate() const;

    // Clears a read-only mark and deletes; a missing file is skipped.
    static void apagaArquivo(const QString &caminho);
    // The default installation directory: $XDG_DATA_HOME/kelpa (~/.local/share/kelpa).
    static QString diretorioPadrao();
    // The base directory a Kelpa.ini in `diretorio` names, when it holds a Kelpa.db;
    // otherwise `diretorio` itself.
    static QString diretorioDaBase(const QString &diretorio);

private:
    QString instalacao() const { return ApplicationInstalPath + QLatin1Char('/'); }
    TInstallManagerDm &dm();
    void copia(const QString &origem, const QString &destino) const;

    QString m_downloadNameMBDApp;
    QString m_nomeBaseAtualizacao;
    QString m_baseUsuario;
    bool m_backupFeito = false;
    std::unique_ptr<TInstallManagerDm> m_dm;
};

} // namespace kelpa
