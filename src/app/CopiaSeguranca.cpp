#include "CopiaSeguranca.h"

#include "app/banco/ConexaoBanco.h"
#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "exportacao/TGzip.h"
#include "plataforma/CaminhosPrograma.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace kelpa {

QString CopiaSeguranca::nomeArquivo(const QDateTime &momento)
{
    return QStringLiteral("Kelpa%1.BKP").arg(momento.toString(QStringLiteral("yyyyMMddHHmmss")));
}

QString CopiaSeguranca::gerar(const QSqlDatabase &db, const QString &diretorio, const QDateTime &momento)
{
    const QFileInfo destino(diretorio.trimmed());
    if (diretorio.trimmed().isEmpty() || !destino.isDir())
        throw ErroBanco(QStringLiteral("O diretório de destino do backup não existe: %1").arg(QDir::toNativeSeparators(diretorio)));

    // A snapshot through the connection: consistent even while another station
    // writes, and the file the user keeps is always a whole database.
    QTemporaryDir temporario(QDir(QDir::tempPath()).filePath(QStringLiteral("kelpa-backup-XXXXXX")));
    if (!temporario.isValid())
        throw ErroBanco(QStringLiteral("Não foi possível criar o arquivo temporário do backup."));
    const QString copia = temporario.filePath(CaminhosPrograma::nomeBanco());
    Consulta vacuo(db, QStringLiteral("VACUUM INTO :ARQUIVO"));
    vacuo.bind(QStringLiteral(":ARQUIVO"), copia);
    vacuo.executar();

    const QString arquivo = QDir(destino.absoluteFilePath()).filePath(nomeArquivo(momento));
    TGzip gzip;
    gzip.setWindowOnError(false);
    gzip.setFileSource(copia);
    gzip.setFileDestination(arquivo);
    if (gzip.Compress() != TGzip::Ok)
        throw ErroBanco(gzip.MsgErro());
    return arquivo;
}

void CopiaSeguranca::restaurar(const QString &arquivoBackup, const QString &arquivoBanco)
{
    if (arquivoBackup.trimmed().isEmpty() || !QFileInfo(arquivoBackup).isFile())
        throw ErroBanco(mensagemBackupInvalido());

    // Expanded beside the database (same file system, so it can take its place at
    // once) under a name of its own, removed whatever happens.
    const QFileInfo banco(arquivoBanco);
    QTemporaryDir temporario(banco.absoluteDir().filePath(QStringLiteral(".kelpa-restauracao-XXXXXX")));
    if (!temporario.isValid())
        throw ErroBanco(QStringLiteral("Não foi possível gravar no diretório da base de dados %1.")
                            .arg(QDir::toNativeSeparators(banco.absolutePath())));
    const QString expandido = temporario.filePath(CaminhosPrograma::nomeBanco());
    TGzip gzip;
    gzip.setWindowOnError(false);
    gzip.setFileSource(arquivoBackup);
    gzip.setFileDestination(expandido);
    if (gzip.Expand() != TGzip::Ok)
        throw ErroBanco(mensagemBackupInvalido(), gzip.MsgErro());

    // Only a whole KELPA database takes the place of the one there is.
    try {
        auto conexao = ConexaoBanco::abrir(expandido);
        Consulta verificacao(conexao->db(), QStringLiteral("PRAGMA quick_check"));
        if (!verificacao.primeira() || verificacao.valor(0).toString() != QLatin1String("ok"))
            throw ErroBanco(mensagemBackupInvalido());
        Consulta(conexao->db(), QStringLiteral("SELECT COUNT(*) FROM CONSTS")).executar();
    } catch (const ErroBanco &e) {
        throw ErroBanco(mensagemBackupInvalido(), e.textoCompleto());
    }

    // A rollback journal left by the database being replaced must not be played
    // back into the restored one.
    QFile::remove(arquivoBanco + QStringLiteral("-journal"));
    if (std::rename(QFile::encodeName(expandido).constData(), QFile::encodeName(banco.absoluteFilePath()).constData()) != 0)
        throw ErroBanco(QStringLiteral("Não foi possível substituir a base de dados %1: %2")
                            .arg(QDir::toNativeSeparators(banco.absoluteFilePath()), QString::fromLocal8Bit(std::strerror(errno))));
}

} // namespace kelpa
