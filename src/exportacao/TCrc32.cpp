#include "TCrc32.h"

#include "ProgressoArquivo.h"

#include <QFile>
#include <zlib.h>

namespace kelpa {

namespace {
constexpr qint64 kBloco = 16384;
}

void TCrc32::falhar(const QString &mensagem)
{
    m_msgErro = mensagem;
    if (m_windowOnError && m_mostrarErro)
        m_mostrarErro(mensagem);
}

quint32 TCrc32::CalcCrc32()
{
    m_sucesso = false;
    m_msgErro.clear();
    QFile arquivo(m_arquivo);
    if (!arquivo.exists()) {
        falhar(QStringLiteral("File ") + m_arquivo + QStringLiteral(" does not exist."));
        return 0;
    }
    if (!arquivo.open(QIODevice::ReadOnly)) {
        falhar(QStringLiteral("Can't open: ") + m_arquivo);
        return 0;
    }
    const qint64 total = arquivo.size();
    ProgressoArquivo progresso(m_progressStep, m_onProgress, m_progresso);
    progresso.iniciar();

    uLong crc = crc32(0L, Z_NULL, 0);
    char bloco[kBloco];
    qint64 feito = 0;
    for (;;) {
        const qint64 lidos = arquivo.read(bloco, kBloco);
        if (lidos < 0) {
            falhar(QStringLiteral("Can't read: ") + m_arquivo);
            return 0;
        }
        if (lidos == 0)
            break;
        crc = crc32(crc, reinterpret_cast<const Bytef *>(bloco), uInt(lidos));
        feito += lidos;
        progresso.avancar(feito, total);
    }
    progresso.avancar(feito, feito);
    m_sucesso = true;
    return quint32(crc);
}

QString TCrc32::CalcCrc32Hex()
{
    return QStringLiteral("%1").arg(CalcCrc32(), 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace kelpa
