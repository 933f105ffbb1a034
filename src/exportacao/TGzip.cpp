#include "TGzip.h"

#include "ProgressoArquivo.h"

#include "app/banco/ErroBanco.h"
#include "plataforma/Win1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <zlib.h>

namespace kelpa {

namespace {

constexpr qint64 kBloco = 16384;
constexpr unsigned char kMagia1 = 0x1F;
constexpr unsigned char kMagia2 = 0x8B;
constexpr unsigned char kFlagNome = 0x08;
constexpr unsigned char kFlagComentario = 0x10;

// zlib's streams must be ended on every path.
class FluxoDeflate
{
public:
    FluxoDeflate(int nivel, int estrategia)
    {
        m_ok = deflateInit2(&z, nivel, Z_DEFLATED, -MAX_WBITS, 8, estrategia) == Z_OK;
    }
    ~FluxoDeflate()
    {
        if (m_ok)
            deflateEnd(&z);
    }
    // The end as the caller checks it: false when zlib reports a problem.
    bool encerrar()
    {
        m_ok = false;
        return deflateEnd(&z) == Z_OK;
    }
    bool ok() const { return m_ok; }
    z_stream z{};

private:
    bool m_ok = false;
};

class FluxoInflate
{
public:
    FluxoInflate() { m_ok = inflateInit2(&z, MAX_WBITS + 16) == Z_OK; } // gzip wrapper, checked by zlib
    ~FluxoInflate()
    {
        if (m_ok)
            inflateEnd(&z);
    }
    bool ok() const { return m_ok; }
    z_stream z{};

private:
    bool m_ok = false;
};

void anexarLE32(QByteArray &destino, quint32 valor)
{
    for (int i = 0; i < 4; ++i)
        destino.append(char((valor >> (8 * i)) & 0xFF));
}

bool mesmoArquivo(const QString &a, const QString &b)
{
    const QFileInfo fa(a);
    const QFileInfo fb(b);
    return fa.exists() && fb.exists() && fa.canonicalFilePath() == fb.canonicalFilePath();
}

} // namespace

TGzip::TGzip()
    : m_fileSource(QStringLiteral("data.dat"))
    , m_fileDestination(QStringLiteral("data.dat.gz"))
    , m_comments(QStringLiteral("KELPA"))
{
}

void TGzip::setCompressionLevel(int nivel)
{
    if (nivel < 1 || nivel > 9)
        throw ErroBanco(QStringLiteral("O nível de compressão deve ser de 1 a 9."));
    m_compressionLevel = nivel;
}

int TGzip::falhar(int codigo, const QString &mensagem)
{
    m_msgErro = mensagem;
    if (m_windowOnError && m_mostrarErro)
        m_mostrarErro(mensagem);
    return codigo;
}

int TGzip::Compress()
{
    m_msgErro.clear();
    QFile origem(m_fileSource);
    if (!origem.open(QIODevice::ReadOnly))
        return falhar(OrigemInacessivel, QStringLiteral("Can't open: ") + m_fileSource);
    if (mesmoArquivo(m_fileSource, m_fileDestination))
        return falhar(DestinoInacessivel, QStringLiteral("Can't open: ") + m_fileDestination);
    QSaveFile destino(m_fileDestination);
    if (!destino.open(QIODevice::WriteOnly))
        return falhar(DestinoInacessivel, QStringLiteral("Can't open: ") + m_fileDestination);

    QByteArray cabecalho;
    unsigned char flags = 0;
    if (m_gzipHeader & filename)
        flags |= kFlagNome;
    if (m_gzipHeader & comment)
        flags |= kFlagComentario;
    cabecalho.append(char(kMagia1)).append(char(kMagia2)).append(char(Z_DEFLATED)).append(char(flags));
    cabecalho.append(6, '\0'); // modification time, extra flags, operating system
    if (m_gzipHeader & filename)
        cabecalho.append(Win1252::codificar(QFileInfo(m_fileSource).fileName()).replace('\0', "")).append('\0');
    if (m_gzipHeader & comment)
        cabecalho.append(Win1252::codificar(m_comments).replace('\0', "")).append('\0');
    if (destino.write(cabecalho) != cabecalho.size())
        return falhar(DestinoInacessivel, QStringLiteral("Can't open: ") + m_fileDestination);

    static constexpr int kEstrategias[] = {Z_DEFAULT_STRATEGY, Z_FILTERED, Z_HUFFMAN_ONLY};
    FluxoDeflate fluxo(m_compressionLevel, kEstrategias[m_compressionType]);
    if (!fluxo.ok())
        return falhar(ErroGravacao, QStringLiteral("Can't compress: ") + m_fileSource);

    ProgressoArquivo progresso(m_progressStep, m_onProgress, m_progresso);
    progresso.iniciar();
    const qint64 total = origem.size();
    qint64 feito = 0;
    uLong crc = crc32(0L, Z_NULL, 0);
    char entrada[kBloco];
    char saida[kBloco];
    bool fim = false;
    while (!fim) {
        const qint64 lidos = origem.read(entrada, kBloco);
        if (lidos < 0)
            return falhar(ErroLeitura, QStringLiteral("Can't read: ") + m_fileSource);
        fim = lidos == 0;
        crc = crc32(crc, reinterpret_cast<const Bytef *>(entrada), uInt(lidos));
        fluxo.z.next_in = reinterpret_cast<Bytef *>(entrada);
        fluxo.z.avail_in = uInt(lidos);
        int rc = Z_OK;
        do {
            fluxo.z.next_out = reinterpret_cast<Bytef *>(saida);
            fluxo.z.avail_out = uInt(kBloco);
            rc = deflate(&fluxo.z, fim ? Z_FINISH : Z_NO_FLUSH);
            if (rc == Z_STREAM_ERROR)
                return falhar(ErroGravacao, QStringLiteral("Can't compress: ") + m_fileSource);
            const qint64 produzidos = kBloco - fluxo.z.avail_out;
            if (produzidos > 0 && destino.write(saida, produzidos) != produzidos)
                return falhar(ErroGravacao, QStringLiteral("Can't write: ") + m_fileDestination);
        } while (fluxo.z.avail_out == 0);
        if (fluxo.z.avail_in != 0 || (fim && rc != Z_STREAM_END))
            return falhar(ErroGravacao, QStringLiteral("Can't compress: ") + m_fileSource);
        feito += lidos;
        if (!fim)
            progresso.avancar(feito, total);
    }
    QByteArray trailer;
    anexarLE32(trailer, quint32(crc));
    anexarLE32(trailer, quint32(quint64(feito) & 0xFFFFFFFFu));
    if (destino.write(trailer) != trailer.size())
        return falhar(ErroGravacao, QStringLiteral("Can't write: ") + m_fileDestination);
    if (!fluxo.encerrar() || !destino.commit())
        return falhar(ErroFechamento, QStringLiteral("gzclose Error."));
    progresso.avancar(feito, feito);
    origem.close();
    if (m_deleteSource)
        QFile::remove(m_fileSource);
    return Ok;
}

int TGzip::Expand()
{
    m_msgErro.clear();
    QFile origem(m_fileSource);
    if (!origem.open(QIODevice::ReadOnly) || origem.peek(2) != QByteArray("\x1F\x8B", 2))
        return falhar(OrigemInacessivel, QStringLiteral("Can't open: ") + m_fileSource);
    if (mesmoArquivo(m_fileSource, m_fileDestination))
        return falhar(DestinoInacessivel, QStringLiteral("Can't create: ") + m_fileDestination);
    QSaveFile destino(m_fileDestination);
    if (!destino.open(QIODevice::WriteOnly))
        return falhar(DestinoInacessivel, QStringLiteral("Can't create: ") + m_fileDestination);
    FluxoInflate fluxo;
    if (!fluxo.ok())
        return falhar(ErroLeitura, QStringLiteral("Can't read: ") + m_fileSource);

    const auto danificado = [&] {
        return falhar(ErroLeitura, QStringLiteral("Invalid compressed data in ") + m_fileSource);
    };
    ProgressoArquivo progresso(m_progressStep, m_onProgress, m_progresso);
    progresso.iniciar();
    const qint64 total = origem.size();
    qint64 feito = 0;
    char entrada[kBloco];
    char saida[kBloco];
    bool fimMembro = false;
    for (;;) {
        if (fluxo.z.avail_in == 0) {
            const qint64 lidos = origem.read(entrada, kBloco);
            if (lidos < 0)
                return falhar(ErroLeitura, QStringLiteral("Can't read: ") + m_fileSource);
            if (lidos == 0)
                break;
            fluxo.z.next_in = reinterpret_cast<Bytef *>(entrada);
            fluxo.z.avail_in = uInt(lidos);
            feito += lidos;
            progresso.avancar(feito, total);
        }
        if (fimMembro) {
            // More bytes after a complete member: another member (as `cat a.gz b.gz`
            // makes), or padding that gzip itself ignores.
            if (*fluxo.z.next_in != kMagia1)
                break;
            inflateReset(&fluxo.z);
            fimMembro = false;
        }
        for (;;) {
            fluxo.z.next_out = reinterpret_cast<Bytef *>(saida);
            fluxo.z.avail_out = uInt(kBloco);
            const int rc = inflate(&fluxo.z, Z_NO_FLUSH);
            if (rc == Z_NEED_DICT || rc == Z_DATA_ERROR || rc == Z_MEM_ERROR || rc == Z_STREAM_ERROR)
                return danificado();
            const qint64 produzidos = kBloco - fluxo.z.avail_out;
            if (produzidos > 0 && destino.write(saida, produzidos) != produzidos)
                return falhar(ErroGravacao, QStringLiteral("Can't write: ") + m_fileDestination);
            if (rc == Z_STREAM_END) {
                fimMembro = true;
                break;
            }
            if (rc == Z_BUF_ERROR || (fluxo.z.avail_in == 0 && fluxo.z.avail_out != 0))
                break;
        }
    }
    if (!fimMembro)
        return danificado(); // cut short
    // Close the destination first; only a complete one lets the source go.
    if (!destino.commit())
        return falhar(ErroFechamento, QStringLiteral("Can't close file ") + m_fileDestination);
    progresso.avancar(total, total);
    origem.close();
    if (m_deleteSource)
        QFile::remove(m_fileSource);
    return Ok;
}

} // namespace kelpa
