#pragma once

#include <QList>
#include <QString>

class QStorageInfo;

namespace kelpa {

// A mounted volume the submission can be written to.
struct VolumeSubmissao {
    QString raiz;        // mount point, ends with "/"
    QString nome;        // the volume's label (may be empty)
    QString dispositivo; // "/dev/sdb1"
    bool removivel = false;

    // "/media/ana/PENDRIVE/ (PENDRIVE) - removível", as the choice list shows it.
    QString descricao() const;
};

// The disks of the machine, as the removable-media dialog offers them.
namespace VolumesSubmissao {

// Mounted, ready and writable volumes holding real files (no memory or system
// file systems), in the order the system lists them, removable ones first.
QList<VolumeSubmissao> listar();

// A volume is removable when its block device says so (/sys/block/<disk>/removable
// is 1) or when it is mounted where desktops mount removable media (/media, /run/media).
bool removivel(const QStorageInfo &volume);

// Where the submission goes on a volume: the root of a removable one; on a fixed one,
// the base directory's place relative to the root of its own volume (the base
// directory itself when it lives on that volume). `raizDoDiretorioBase` is the mount
// point of the volume that holds `diretorioBase`.
QString diretorioDestino(const VolumeSubmissao &volume, const QString &diretorioBase, const QString &raizDoDiretorioBase);
QString diretorioDestino(const VolumeSubmissao &volume, const QString &diretorioBase);

} // namespace VolumesSubmissao

} // namespace kelpa
