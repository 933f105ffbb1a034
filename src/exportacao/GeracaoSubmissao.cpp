#include "GeracaoSubmissao.h"

#include "ArquivoSubmissao.h"
#include "CabecalhoArquivo.h"
#include "TExportaArquivo.h"
#include "TGzip.h"

#include "app/banco/ErroBanco.h"
#include "plataforma/CaminhosPrograma.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

namespace kelpa {

GeracaoSubmissao::GeracaoSubmissao(const QSqlDatabase &db, QString codOper)
    : m_db(db)
    , m_codOper(std::move(codOper))
    , m_validacao(validacaoEnvioPadrao(db, m_codOper))
    , m_relogio([] { return QDateTime::currentDateTime(); })
{
}

void GeracaoSubmissao::progredir(int percentual)
{
    if (m_aoProgredir)
        m_aoProgredir(percentual);
    if (m_processarEventos)
        m_processarEventos();
}

GeracaoSubmissao::Resultado GeracaoSubmissao::Gerar(const QString &diretorioDestino)
{
    m_arquivoDiz.clear();
    m_arquivoOperadora.clear();
    if (m_validacao && !m_validacao())
        return Resultado::Bloqueada;

    progredir(0);
    const QFileInfo destino(diretorioDestino);
    if (diretorioDestino.trimmed().isEmpty() || !destino.isDir())
        throw ErroBanco(QStringLiteral("O diretório de destino não existe: %1").arg(QDir::toNativeSeparators(diretorioDestino)));
    QString diretorio = QDir(diretorioDestino).absolutePath();
    if (!diretorio.endsWith(u'/'))
        diretorio += u'/';

    const QString radical = ArquivoSubmissao::radical(m_codOper, m_relogio());
    progredir(10);

    const auto cabecalho = CabecalhoArquivo::texto(m_db, m_codOper);
    if (!cabecalho)
        throw ErroBanco(QStringLiteral("A operadora %1 não está cadastrada nesta base de dados.").arg(m_codOper));
    progredir(30);

    // The ".dip" only exists to be compressed; kept off the medium in a directory of
    // our own that goes away with this scope, whatever happens.
    QTemporaryDir temporario(QDir(QDir::tempPath()).filePath(QStringLiteral("kelpa-submissao-XXXXXX")));
    if (!temporario.isValid())
        throw ErroBanco(QStringLiteral("Não foi possível criar um diretório temporário."), temporario.errorString());
    const QString dip = QDir(temporario.path()).filePath(radical + QStringLiteral(".dip"));

    TExportaArquivo exportador;
    exportador.setExptdefsPath(m_exptdefsPath);
    exportador.setConnection(m_db);
    exportador.setHeaderArquivo(*cabecalho);
    exportador.setNomeArquivo(dip);
    exportador.setProcessarEventos(m_processarEventos);
    exportador.Exportar({CabecalhoArquivo::codigoSemMascara(m_codOper)});
    progredir(80);

    const QString diz = diretorio + radical + QStringLiteral(".diz");
    TGzip compressor;
    compressor.setFileSource(dip);
    compressor.setFileDestination(diz);
    compressor.setGzipHeader(TGzip::filename);
    compressor.setCompressionLevel(6);
    compressor.setCompressionType(TGzip::Standard);
    compressor.setDeleteSource(true);
    compressor.setWindowOnError(false);
    const int codigo = compressor.Compress();
    if (codigo != TGzip::Ok)
        throw ErroBanco(QStringLiteral("Não foi possível gravar o arquivo %1.").arg(QDir::toNativeSeparators(diz)),
                        QStringLiteral("%1 (código %2)").arg(compressor.MsgErro()).arg(codigo));
    progredir(95);

    const QString operadora = CaminhosPrograma::localizar(diretorio, ArquivoSubmissao::nomeArquivoOperadora());
    QSaveFile cod(operadora);
    const QByteArray conteudo = ArquivoSubmissao::conteudoArquivoOperadora(m_codOper);
    if (!cod.open(QIODevice::WriteOnly) || cod.write(conteudo) != conteudo.size() || !cod.commit()) {
        // A ".diz" without its operator file is no submission: leave the medium as it was.
        const QString erro = cod.errorString();
        QFile::remove(diz);
        throw ErroBanco(QStringLiteral("Não foi possível gravar o arquivo %1.").arg(QDir::toNativeSeparators(operadora)), erro);
    }
    progredir(100);

    m_arquivoDiz = diz;
    m_arquivoOperadora = operadora;
    return Resultado::Gerada;
}

} // namespace kelpa
