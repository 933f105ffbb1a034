#include "Instalacao.h"

#include "TInstaladorManager.h"

#include "app/banco/ErroBanco.h"

#include <QDir>
#include <QStringList>

namespace kelpa {

QStringList Instalacao::linhasPassos()
{
    return {QStringLiteral("Inicio da Instalação"), QStringLiteral("Cópia de Segurança: Sistema e base de dados"),
            QStringLiteral("Atualizando Dados - Plano de Contas"), QStringLiteral("Atualizando Sistema")};
}

QString Instalacao::mensagemSemEspaco()
{
    return QStringLiteral("Não há espaço suficiente em disco para instalar o KELPA.");
}

void Instalacao::configurar(TInstaladorManager &manager, Tipo tipo, const QString &diretorio)
{
    manager.ExpectedFreeSpaceDisk = 100;
    manager.DT_INIC_VIGN_PLANO = QDate(2007, 1, 1);
    // A complete installation always goes to the default directory.
    QString destino = tipo == Completa ? manager.DirInstallDefault : QDir::cleanPath(diretorio);
    while (destino.size() > 1 && destino.endsWith(QLatin1Char('/')))
        destino.chop(1);
    manager.ApplicationInstalPath = destino;
    manager.ApplicationFileName = QStringLiteral("kelpa");
    manager.ApplicationDBFileName = QStringLiteral("Kelpa.db");
    manager.ApplicationExptDataFileName = QStringLiteral("Expt_Kelpa.dat");
    manager.DownloadNameExeApp = QStringLiteral("KELPA.ex_");
    manager.setDownloadNameMBDApp(QStringLiteral("KELPA_Qor.md_"));
    manager.DownloadNameExptDataApp = QStringLiteral("Expt_Kelpa.da_");
    manager.DisksInstalation = {QStringLiteral("Disk.1")};
    manager.InstalationType = tipo;
    if (tipo == Atualizacao) {
        const QString base = TInstaladorManager::diretorioDaBase(destino);
        manager.setBaseUsuario(base + QLatin1Char('/') + manager.ApplicationDBFileName);
    }
}

Instalacao::Resultado Instalacao::executar(TInstaladorManager &manager, Tipo tipo, const Eventos &e)
{
    m_motivo.clear();
    const auto marcar = [&e](int linha) {
        if (e.marcar)
            e.marcar(linha);
        if (e.progredir)
            e.progredir();
    };
    try {
        // With no room left, nothing is touched and the user is told so, where the
        // old installer skipped every step and still announced success.
        if (!manager.HasFreeSpace()) {
            m_motivo = mensagemSemEspaco();
            return Resultado::Interrompida;
        }
        marcar(0);
        if (tipo == Atualizacao) {
            manager.OpenUserDatabase();
            if (manager.NeedsDataCleanup()) {
                if (!e.confirmarLimpeza || !e.confirmarLimpeza()) {
                    manager.CloseDatabases();
                    m_motivo = motivoUsuario();
                    return Resultado::Interrompida;
                }
                // The backup first: the 2007 data goes only once it is kept there.
                manager.BackupOrRemove(false);
                manager.DeleteData2007();
            }
            manager.BackupOrRemove(true);
            marcar(1);
            manager.RemoveOldFiles();
            manager.CopyInstallFiles();
            manager.UpdateSchema();
            marcar(2);
            if (!manager.UpdateDatabase()) {
                if (e.erroBase)
                    e.erroBase(mensagemFalhaBase() + manager.MsgErroUpdate());
                manager.CloseDatabases();
                return Resultado::Interrompida;
            }
            manager.RebuildConsts();
        } else {
            manager.CreateDefaultDir();
            manager.CopyInstallFiles();
        }
        manager.CloseDatabases();
        manager.RemovePackageFiles();
        marcar(3);
        return Resultado::Concluida;
    } catch (const ErroBanco &erro) {
        manager.CloseDatabases();
        m_motivo = erro.mensagem();
        return Resultado::Interrompida;
    }
}

} // namespace kelpa
