#pragma once

#include <QString>
#include <functional>

namespace kelpa {

// Whole-file gzip: the removable-media submission (".diz") and the database backup
// are written with `Compress`, the restore reads them back with `Expand`. The header
// is written here, not by zlib, so that it is always the same bytes: modification
// time 0 and operating system 0, whatever the machine.
class TGzip
{
public:
    enum GzipHeaderFlag { filename = 0x1, comment = 0x2 };
    enum TCompressionType { Standard, Filtered, HuffmanOnly };

    // Result codes of Compress and Expand.
    enum Resultado {
        Ok = 0,
        OrigemInacessivel = 1,   // the source cannot be opened (as gzip, for Expand)
        DestinoInacessivel = 2,  // the destination cannot be created
        ErroLeitura = 101,       // reading the source failed, or its gzip data are damaged
        ErroGravacao = 102,      // not everything read could be written
        ErroFechamento = 103,    // the destination could not be completed and closed
    };

    TGzip();

    void setFileSource(const QString &arquivo) { m_fileSource = arquivo; }
    QString FileSource() const { return m_fileSource; }
    void setFileDestination(const QString &arquivo) { m_fileDestination = arquivo; }
    QString FileDestination() const { return m_fileDestination; }

    // A combination of GzipHeaderFlag values.
    void setGzipHeader(int campos) { m_gzipHeader = campos; }
    int GzipHeader() const { return m_gzipHeader; }
    void setComments(const QString &texto) { m_comments = texto; }
    QString Comments() const { return m_comments; }

    // 1 to 9; throws ErroBanco otherwise.
    void setCompressionLevel(int nivel);
    int CompressionLevel() const { return m_compressionLevel; }
    void setCompressionType(TCompressionType tipo) { m_compressionType = tipo; }
    TCompressionType CompressionType() const { return m_compressionType; }

    // Delete FileSource once the destination is complete.
    void setDeleteSource(bool sim) { m_deleteSource = sim; }
    bool DeleteSource() const { return m_deleteSource; }

    void setWindowOnError(bool sim) { m_windowOnError = sim; }
    bool WindowOnError() const { return m_windowOnError; }
    void setMostrarErro(std::function<void(const QString &)> callback) { m_mostrarErro = std::move(callback); }

    void setProgressStep(int passo) { m_progressStep = passo; }
    int ProgressStep() const { return m_progressStep; }
    void setOnProgress(std::function<void(int percentual)> evento) { m_onProgress = std::move(evento); }
    int Progresso() const { return m_progresso; }

    // Both write the destination beside its final name and put it in place only when
    // complete: a failure leaves no partial file and never touches an existing one,
    // and the source is deleted (DeleteSource) only after that.
    int Compress();
    int Expand();

    QString MsgErro() const { return m_msgErro; }

private:
    int falhar(int codigo, const QString &mensagem);

    QString m_fileSource;
    QString m_fileDestination;
    int m_gzipHeader = filename;
    QString m_comments;
    int m_compressionLevel = 6;
    TCompressionType m_compressionType = Standard;
    bool m_deleteSource = false;
    bool m_windowOnError = true;
    std::function<void(const QString &)> m_mostrarErro;
    int m_progressStep = 0;
    std::function<void(int)> m_onProgress;
    int m_progresso = 0;
    QString m_msgErro;
};

} // namespace kelpa
