#include "TVTX.h"

#include "LocalizacaoVTX.h"
#include "ParametrosVTX.h"
#include "TUtilXML.h"

#include "app/banco/ErroBanco.h"
#include "plataforma/CaminhosPrograma.h"
#include "plataforma/Win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kelpa {

namespace {

// The words of the system's error numbers 5 (access denied) and 112 (disk full) that
// the user knows, for their equivalents here.
QString mensagemErroSistema(const QString &inicio, const QString &caminho, int erro)
{
    QString texto = inicio + u'"' + QDir::toNativeSeparators(caminho) + QStringLiteral("\". \r");
    if (erro == EACCES || erro == EPERM || erro == EROFS)
        return texto + QStringLiteral("O Windows informa que o acesso foi negado.");
    if (erro == ENOSPC || erro == EDQUOT)
        return texto + QStringLiteral("O Windows informa que o disco está cheio.");
    return texto + QStringLiteral("O Windows reportou o erro de número: ") + QString::number(erro);
}

// Removes the parameter file when the hand-off ends, whichever way it ends.
class RemoveAoSair
{
public:
    ~RemoveAoSair()
    {
        if (!caminho.isEmpty())
            QFile::remove(caminho);
    }
    QString caminho;
};

void gravarParametros(const QString &caminho, const QByteArray &letras, RemoveAoSair &remocao)
{
    const QByteArray nome = QFile::encodeName(caminho);
    // Created anew (never through a link left in a shared directory) and readable by
    // the user alone: the record carries the sending password.
    const int fd = ::open(nome.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0)
        throw ErroBanco(mensagemErroSistema(QStringLiteral("Erro ao criar arquivo temporário "), caminho, errno));
    remocao.caminho = caminho;
    qsizetype gravados = 0;
    int erro = 0;
    while (gravados < letras.size()) {
        const ssize_t n = ::write(fd, letras.constData() + gravados, size_t(letras.size() - gravados));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            erro = n < 0 ? errno : ENOSPC;
            break;
        }
        gravados += n;
    }
    if (::close(fd) != 0 && erro == 0)
        erro = errno;
    // Half a record is no record: the client must not start on it.
    if (erro != 0)
        throw ErroBanco(mensagemErroSistema(QStringLiteral("Erro ao gravar dados no arquivo temporário "), caminho, erro));
}

// The system's number behind QProcess's words for a failed start.
int erroDoInicio(const QProcess &processo, const QString &programa)
{
    const QFileInfo info(programa);
    if (!info.exists())
        return ENOENT;
    if (!info.isExecutable())
        return EACCES;
    const QString texto = processo.errorString();
    for (int e = 1; e < 256; ++e) {
        const QString descricao = QString::fromLocal8Bit(std::strerror(e));
        if (!descricao.isEmpty() && texto.endsWith(descricao))
            return e;
    }
    return 0;
}

} // namespace

QStringList ProtocoloVTX::nomesElementos()
{
    return {QStringLiteral("operadora"),       QStringLiteral("tipo_Arquivo"),       QStringLiteral("arquivo"),
            QStringLiteral("dataTransmissao"), QStringLiteral("protocoloTX"),        QStringLiteral("aplicativo"),
            QStringLiteral("informacoesArquivo"), QStringLiteral("clienteTransmissao")};
}

QStringList ProtocoloVTX::valores() const
{
    return {operadora, tipo_Arquivo, arquivo, dataTransmissao, protocoloTX, aplicativo, informacoesArquivo,
            clienteTransmissao};
}

int TVTX::resultadoDoCodigo(int codigoSaida)
{
    if (codigoSaida == 9)
        return Enviado;
    if (codigoSaida >= 1 && codigoSaida <= 5)
        return codigoSaida + 1;
    return Falhou;
}

int TVTX::Transmitir(const QString &codigoOperadora, const QString &senha, const QString &arquivoEnvio,
                     const QString &arquivoProtocolo, const QString &aplicativo, const QString &versaoAplicativo,
                     const QString &extra, const QString &crc, const QString &janela, const QString &ultimoPeriodo)
{
    m_protocolo.limpar();
    m_arquivoParametros.clear();
    m_codigoSaida = -1;

    static const QRegularExpression seisAlgarismos(QStringLiteral("^[0-9]{6}$"));
    if (!seisAlgarismos.match(codigoOperadora).hasMatch())
        throw ErroBanco(QStringLiteral("O código da operadora deve conter 6 algarismos numéricos apenas."));
    // The record's fields are separated by "|" and travel in the Windows code page: a
    // password the client would read differently is refused before anything is written.
    if (senha.contains(u'|'))
        throw ErroBanco(QStringLiteral("A senha não pode conter o caractere \"|\"."));
    if (Win1252::decodificar(Win1252::codificar(senha)) != senha)
        throw ErroBanco(QStringLiteral("A senha contém caracteres que não podem ser enviados ao VTX."));
    if (QFileInfo(arquivoProtocolo).fileName() != arquivoProtocolo || arquivoProtocolo.isEmpty())
        throw ErroBanco(QStringLiteral("O nome do arquivo de protocolo não pode conter diretórios: %1").arg(arquivoProtocolo));

    // Proves that the file to send is there and can be opened as the client will.
    {
        const int fd = ::open(QFile::encodeName(arquivoEnvio).constData(), O_RDWR | O_CLOEXEC);
        if (fd < 0)
            throw ErroBanco(QStringLiteral("Erro ao abrir arquivo para envio. Código de erro do Windows: ")
                            + QString::number(errno));
        ::close(fd);
    }

    const QString vtx = LocalizacaoVTX::localizar(m_arquivoConfSistema.isEmpty() ? LocalizacaoVTX::arquivoConfSistema()
                                                                                 : m_arquivoConfSistema);
    const QString diretorioVTX = QFileInfo(vtx).absolutePath();

    ParametrosVTX parametros;
    parametros.codigoOperadora = codigoOperadora;
    parametros.senha = senha;
    parametros.arquivo = QFileInfo(arquivoEnvio).absoluteFilePath();
    parametros.arquivoProtocolo = arquivoProtocolo;
    parametros.aplicativo = aplicativo;
    parametros.versaoAplicativo = versaoAplicativo;
    parametros.extra = extra;
    parametros.crc = crc;
    parametros.janela = janela;
    parametros.ultimoPeriodo = ultimoPeriodo;

    QString diretorio = m_diretorioTemporario.isEmpty() ? QDir::tempPath() : m_diretorioTemporario;
    if (!QFileInfo(diretorio).isDir())
        diretorio = diretorioVTX;
    m_arquivoParametros =
        QDir(diretorio).absoluteFilePath(nomeArquivoParametros(codigoOperadora, milissegundosDesdeInicio()));
    RemoveAoSair remocao;
    gravarParametros(m_arquivoParametros, parametros.cifrar(), remocao);

    QProcess processo;
    processo.setProgram(vtx);
    processo.setArguments({m_arquivoParametros});
    processo.setWorkingDirectory(diretorioVTX);
    processo.setProcessChannelMode(QProcess::ForwardedChannels);
    processo.setStandardInputFile(QProcess::nullDevice());
    processo.start();
    if (!processo.waitForStarted(-1))
        throw ErroBanco(QStringLiteral("<VTX> Erro ao executar o VTX. Isto pode indicar que o VTX não está instalado \r"
                                       "ou que sua instalação foi danificada. Verifique o código de erro do windows: ")
                            + QString::number(erroDoInicio(processo, vtx)),
                        processo.errorString());

    // The user keeps seeing a painted window while the client runs.
    bool terminou = processo.waitForFinished(500);
    while (!terminou && processo.state() != QProcess::NotRunning) {
        terminou = processo.waitForFinished(200);
        if (m_processarEventos)
            m_processarEventos();
    }
    if (m_processarEventos)
        m_processarEventos();

    m_codigoSaida = processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1;
    const int resultado = resultadoDoCodigo(m_codigoSaida);
    if (resultado == Enviado) {
        TUtilXML xml;
        xml.carregar(CaminhosPrograma::localizar(diretorioVTX + QStringLiteral("/Protocolos"), arquivoProtocolo));
        m_protocolo.operadora = xml.texto(QStringLiteral("operadora"));
        m_protocolo.tipo_Arquivo = xml.texto(QStringLiteral("tipo_Arquivo"));
        m_protocolo.arquivo = xml.texto(QStringLiteral("arquivo"));
        m_protocolo.dataTransmissao = xml.texto(QStringLiteral("dataTransmissao"));
        m_protocolo.protocoloTX = xml.texto(QStringLiteral("protocoloTX"));
        m_protocolo.aplicativo = xml.texto(QStringLiteral("aplicativo"));
        m_protocolo.informacoesArquivo = xml.texto(QStringLiteral("informacoesArquivo"));
        m_protocolo.clienteTransmissao = xml.texto(QStringLiteral("clienteTransmissao"));
    }
    return resultado;
}

} // namespace kelpa
