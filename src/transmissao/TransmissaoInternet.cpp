#include "TransmissaoInternet.h"

#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "exportacao/ArquivoSubmissao.h"
#include "exportacao/CabecalhoArquivo.h"
#include "exportacao/TCrc32.h"
#include "exportacao/TExportaArquivo.h"
#include "plataforma/CaminhosPrograma.h"
#include "plataforma/FormatoBR.h"

#include <QDir>
#include <QFile>

namespace kelpa {

namespace {

// The submission file exists only while the client runs: removed on every way out.
class RemoveArquivo
{
public:
    explicit RemoveArquivo(QString caminho)
        : m_caminho(std::move(caminho))
    {
    }
    ~RemoveArquivo() { QFile::remove(m_caminho); }

private:
    QString m_caminho;
};

} // namespace

TransmissaoInternet::TransmissaoInternet(const QSqlDatabase &db, QString codOper)
    : m_db(db)
    , m_codOper(std::move(codOper))
    , m_validacao(validacaoEnvioPadrao(db, m_codOper))
    , m_relogio([] { return QDateTime::currentDateTime(); })
{
}

void TransmissaoInternet::setProcessarEventos(std::function<void()> callback)
{
    m_processarEventos = callback;
    m_vtx.setProcessarEventos(std::move(callback));
}

QString TransmissaoInternet::mensagemSenhaObrigatoria()
{
    return QStringLiteral("SENHA, preenchimento obrigatório");
}

QString TransmissaoInternet::versaoAplicativo()
{
    return QStringLiteral("5.0.2");
}

QString TransmissaoInternet::ultimoPeriodo(const QSqlDatabase &db)
{
    Consulta q(db, QStringLiteral("SELECT MAX(DT_INIC_VIGN) AS MaxDateVngc FROM QUADRORECEITASDESPESASUF"));
    return q.primeira() ? FormatoBR::data(q.data(QStringLiteral("MaxDateVngc"))) : QString();
}

TransmissaoInternet::Resultado TransmissaoInternet::Transmitir(const QString &senha)
{
    m_resultadoVTX = -1;
    m_arquivoEnvio.clear();
    if (senha.isEmpty())
        throw ErroBanco(mensagemSenhaObrigatoria());
    if (m_validacao && !m_validacao())
        return Resultado::Bloqueada;

    const QString codigo = CabecalhoArquivo::codigoSemMascara(m_codOper);
    const QString radical = ArquivoSubmissao::radical(m_codOper, m_relogio());
    QString diretorio = m_diretorioPrograma.isEmpty() ? CaminhosPrograma::home() : QDir::fromNativeSeparators(m_diretorioPrograma);
    if (!diretorio.endsWith(u'/'))
        diretorio += u'/';
    m_arquivoEnvio = diretorio + radical + QStringLiteral(".dip");
    const QString protocolo = QStringLiteral("KELPA-") + radical + QStringLiteral(".xml");
    const RemoveArquivo remocao(m_arquivoEnvio);

    QString crc;
    QString periodo;
    try {
        const auto cabecalho = CabecalhoArquivo::texto(m_db, m_codOper);
        if (!cabecalho)
            throw ErroBanco(QStringLiteral("A operadora %1 não está cadastrada nesta base de dados.").arg(m_codOper));
        periodo = ultimoPeriodo(m_db);

        TExportaArquivo exportador;
        exportador.setExptdefsPath(diretorio);
        exportador.setConnection(m_db);
        exportador.setHeaderArquivo(*cabecalho);
        exportador.setNomeArquivo(m_arquivoEnvio);
        exportador.setProcessarEventos(m_processarEventos);
        exportador.Exportar({codigo});

        TCrc32 soma;
        soma.setCrc32FileName(m_arquivoEnvio);
        soma.setWindowOnError(false);
        soma.setProgressStep(0);
        crc = soma.CalcCrc32Hex();
        if (!soma.SucessoExecucao())
            throw ErroBanco(soma.MsgErro());
    } catch (const ErroBanco &e) {
        throw ErroBanco(ArquivoSubmissao::mensagemFalha(e.mensagem()), e.detalhe());
    }

    if (m_antesDeEntregar)
        m_antesDeEntregar();
    try {
        m_resultadoVTX = m_vtx.Transmitir(codigo, senha, m_arquivoEnvio, protocolo, QStringLiteral("KELPA"),
                                          versaoAplicativo(), QString(), crc, m_janela, periodo);
    } catch (const ErroBanco &e) {
        throw ErroBanco(ArquivoSubmissao::mensagemFalha(e.mensagem()), e.detalhe());
    }
    return Resultado::Entregue;
}

} // namespace kelpa
