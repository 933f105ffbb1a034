#include "VolumesSubmissao.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

namespace kelpa {

namespace {

QString comBarra(QString caminho)
{
    caminho = QDir::fromNativeSeparators(caminho);
    if (!caminho.endsWith(u'/'))
        caminho += u'/';
    return caminho;
}

bool dispositivoRemovivel(const QString &dispositivo)
{
    if (!dispositivo.startsWith(QLatin1String("/dev/")))
        return false;
    // /sys/class/block/sdb1 leads to .../block/sdb/sdb1; a partition's disk is its parent.
    const QString bloco =
        QFileInfo(QStringLiteral("/sys/class/block/") + QFileInfo(dispositivo).fileName()).canonicalFilePath();
    if (bloco.isEmpty())
        return false;
    QString disco = bloco;
    if (QFileInfo::exists(bloco + QStringLiteral("/partition")))
        disco = QFileInfo(bloco).absolutePath();
    QFile removable(disco + QStringLiteral("/removable"));
    return removable.open(QIODevice::ReadOnly) && removable.readAll().trimmed() == "1";
}

bool ehVolumeDeArquivos(const QStorageInfo &volume)
{
    static const QList<QByteArray> sistemas = {"tmpfs", "devtmpfs", "ramfs", "squashfs", "proc", "sysfs",
                                               "cgroup", "cgroup2", "autofs", "efivarfs", "iso9660"};
    if (sistemas.contains(volume.fileSystemType()))
        return false;
    const QString raiz = comBarra(volume.rootPath());
    for (const char *sistema : {"/proc/", "/sys/", "/dev/", "/snap/", "/boot/"})
        if (raiz.startsWith(QLatin1String(sistema)))
            return false;
    return !raiz.startsWith(QLatin1String("/run/")) || raiz.startsWith(QLatin1String("/run/media/"));
}

} // namespace

QString VolumeSubmissao::descricao() const
{
    QString texto = QDir::toNativeSeparators(raiz);
    if (!nome.isEmpty())
        texto += QStringLiteral(" (%1)").arg(nome);
    texto += removivel ? QStringLiteral(" - removível") : QStringLiteral(" - disco fixo");
    return texto;
}

bool VolumesSubmissao::removivel(const QStorageInfo &volume)
{
    const QString raiz = comBarra(volume.rootPath());
    if (raiz.startsWith(QLatin1String("/media/")) || raiz.startsWith(QLatin1String("/run/media/")))
        return true;
    return dispositivoRemovivel(QString::fromLocal8Bit(volume.device()));
}

QList<VolumeSubmissao> VolumesSubmissao::listar()
{
    QList<VolumeSubmissao> removiveis;
    QList<VolumeSubmissao> fixos;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || volume.isReadOnly() || !ehVolumeDeArquivos(volume))
            continue;
        VolumeSubmissao v;
        v.raiz = comBarra(volume.rootPath());
        v.nome = volume.name();
        v.dispositivo = QString::fromLocal8Bit(volume.device());
        v.removivel = removivel(volume);
        (v.removivel ? removiveis : fixos).append(v);
    }
    return removiveis + fixos;
}

QString VolumesSubmissao::diretorioDestino(const VolumeSubmissao &volume, const QString &diretorioBase,
                                           const QString &raizDoDiretorioBase)
{
    const QString raiz = comBarra(volume.raiz);
    if (volume.removivel || diretorioBase.trimmed().isEmpty())
        return raiz;
    QString relativo = QDir(comBarra(raizDoDiretorioBase)).relativeFilePath(comBarra(diretorioBase));
    if (raizDoDiretorioBase.isEmpty() || relativo.startsWith(QLatin1String("..")))
        relativo = QDir::cleanPath(QDir::fromNativeSeparators(diretorioBase)).section(u'/', 1);
    if (relativo.isEmpty() || relativo == QLatin1String("."))
        return raiz;
    return comBarra(QDir::cleanPath(raiz + relativo));
}

QString VolumesSubmissao::diretorioDestino(const VolumeSubmissao &volume, const QString &diretorioBase)
{
    return diretorioDestino(volume, diretorioBase, QStorageInfo(diretorioBase).rootPath());
}

} // namespace kelpa
