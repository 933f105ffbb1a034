#include "TExportaArquivo.h"

#include "CursorSqlite.h"
#include "FormatacaoExportacao.h"
#include "TDecryptFile.h"

#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "app/banco/Transacao.h"
#include "plataforma/ArquivoTemporario.h"
#include "plataforma/CaminhosPrograma.h"
#include "plataforma/Win1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlError>
#include <QUrl>
#include <atomic>

namespace kelpa {

namespace {

constexpr qsizetype kTamanhoBuffer = 64 * 1024;
constexpr qint64 kPassoProgresso = 100;

struct Entidade {
    QString tabela; // upper-cased, as written in the file
    QString select;
    QString acao;
};

struct Definicoes {
    QList<Entidade> entidades;
    QString versao;
};

// The deciphered definitions, opened read-only: nothing may change them and SQLite
// must not leave a journal beside them.
class ConexaoDefinicoes
{
public:
    explicit ConexaoDefinicoes(const QString &arquivo)
    {
        static std::atomic<int> proxima{1};
        m_nome = QStringLiteral("kelpa-exptdefs-%1").arg(proxima++);
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_nome);
        d.setDatabaseName(QUrl::fromLocalFile(QFileInfo(arquivo).absoluteFilePath()).toString(QUrl::FullyEncoded)
                          + QStringLiteral("?mode=ro&immutable=1"));
        d.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"));
        m_aberta = d.open();
        if (!m_aberta)
            m_erro = d.lastError().text();
    }
    ~ConexaoDefinicoes()
    {
        {
            QSqlDatabase d = QSqlDatabase::database(m_nome, false);
            d.close();
        }
        QSqlDatabase::removeDatabase(m_nome);
    }
    ConexaoDefinicoes(const ConexaoDefinicoes &) = delete;
    ConexaoDefinicoes &operator=(const ConexaoDefinicoes &) = delete;

    bool aberta() const { return m_aberta; }
    QString erro() const { return m_erro; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_nome, false); }

private:
    QString m_nome;
    bool m_aberta = false;
    QString m_erro;
};

bool ehBaseSqlite(const QString &arquivo)
{
    QFile f(arquivo);
    return f.open(QIODevice::ReadOnly) && f.read(16) == QByteArray("SQLite format 3", 16);
}

QString semPontoEVirgulaFinal(QString sql)
{
    sql = sql.trimmed();
    while (sql.endsWith(u';'))
        sql = sql.chopped(1).trimmed();
    return sql;
}

QString progresso(const char *modelo, qint64 n, qint64 total)
{
    return QString::fromLatin1(modelo).arg(n).arg(total);
}

} // namespace

TExportaArquivo::TExportaArquivo()
    : m_nomeArquivoExptDefs(nomePadraoExptDefs())
{
}

QString TExportaArquivo::nomePadraoExptDefs()
{
    return QStringLiteral("Expt_Kelpa.dat");
}

QString TExportaArquivo::senhaExptDefs()
{
    return QStringLiteral("XKV7390215846");
}

QString TExportaArquivo::marcadorVersao()
{
    return QStringLiteral("<<VERSAO_EXPTDEFS>>");
}

void TExportaArquivo::setPrefixo(const QString &prefixo)
{
    const QString aparado = prefixo.trimmed();
    if (aparado.size() > 2)
        throw ErroBanco(QStringLiteral("O Prefixo do arquivo deve ter no máximo 2 caracteres."));
    m_prefixo = aparado;
}

void TExportaArquivo::setNomeArquivoExptDefs(const QString &nome)
{
    const QString aparado = nome.trimmed();
    const qsizetype barra = std::max(aparado.lastIndexOf(u'/'), aparado.lastIndexOf(u'\\'));
    if (aparado != aparado.mid(barra + 1).trimmed())
        throw ErroBanco(QStringLiteral("Informar apenas o nome do arquivo. O caminho padrão é o diretório da aplicação "
                                       "\re não deve ser informado nesta propriedade."));
    m_nomeArquivoExptDefs = aparado;
}

bool TExportaArquivo::Exportar(const QVariantList &parametros)
{
    m_totalRegistros = 0;
    CursorSqlite::handle(m_connection); // a closed or foreign connection fails here, before anything is deciphered
    QString diretorio = m_exptdefsPath.isEmpty() ? CaminhosPrograma::home() : QDir::fromNativeSeparators(m_exptdefsPath);
    if (!diretorio.endsWith(u'/'))
        diretorio += u'/';

    const QString mensagemAcesso =
        QStringLiteral("Erro ao acessar arquivo \"") + m_nomeArquivoExptDefs
        + QStringLiteral("\", que faz parte da instalação deste aplicativo.\r"
                         "Baixe-o do sítio da QOR na internet (www.qor.gov.br), "
                         "copie-o para o diretório desta aplicação \r"
                         "e tente novamente. Verifique também os privilégios de acesso na pasta \"")
        + diretorio + QStringLiteral("\".");

    const bool comVersao = m_headerArquivo.contains(marcadorVersao());
    Definicoes definicoes;
    {
        // Deciphered beside the program under a name of its own, readable by us only,
        // and removed at the end of this block whatever happens in it.
        const QString base = QFileInfo(m_nomeArquivoExptDefs).completeBaseName();
        ArquivoTemporario decifrado(diretorio, (base.isEmpty() ? QStringLiteral("exptdefs") : base)
                                                   + QStringLiteral("-XXXXXX.db"));
        if (!decifrado.criado())
            throw ErroBanco(mensagemAcesso, decifrado.erro());

        TDecryptFile cifra;
        cifra.setArquivoOriginal(CaminhosPrograma::localizar(diretorio, m_nomeArquivoExptDefs));
        cifra.setArquivoDestino(decifrado.caminho());
        cifra.setSenha(senhaExptDefs());
        cifra.setAoProcessarBloco(m_processarEventos);
        if (!cifra.Executar())
            throw ErroBanco(mensagemAcesso, cifra.MsgErro());
        // A damaged or foreign file deciphers into something that is not a database.
        if (!ehBaseSqlite(decifrado.caminho()))
            throw ErroBanco(mensagemAcesso, QStringLiteral("O conteúdo decifrado não é uma base de dados."));

        ConexaoDefinicoes conexao(decifrado.caminho());
        if (!conexao.aberta())
            throw ErroBanco(QStringLiteral("Impossível conectar-se ao arquivo \"") + decifrado.caminho()
                                + QStringLiteral("\". Verifique os privilégios de acesso na \rpasta \"") + diretorio
                                + QStringLiteral("\" (pasta da aplicação)\r e se há espaço disponível no disco."),
                            conexao.erro());
        try {
            Consulta consulta(conexao.db(), QStringLiteral("SELECT TABLENAME, [SELECT], ACAO FROM ENTIDADE_EXPORTAVEL\n"
                                                           "ORDER BY ORDEM"));
            consulta.executar();
            while (consulta.proxima())
                definicoes.entidades.append({consulta.valor(0).toString().toUpper(), consulta.valor(1).toString(),
                                             consulta.valor(2).toString()});
        } catch (const ErroBanco &e) {
            throw ErroBanco(mensagemAcesso, e.detalhe());
        }
        if (comVersao) {
            definicoes.versao = QStringLiteral("1");
            try {
                Consulta versao(conexao.db(), QStringLiteral("SELECT NUMERO_VERSAO FROM CONTROLE_VERSAO"));
                if (versao.primeira() && !versao.valor(0).isNull())
                    definicoes.versao = versao.valor(0).toString().trimmed().left(255);
            } catch (const ErroBanco &) {
                // An unreadable version is no reason to refuse the export.
            }
        }
    }

    QString cabecalho = m_headerArquivo;
    if (comVersao)
        cabecalho.replace(cabecalho.indexOf(marcadorVersao(), 0, Qt::CaseInsensitive), marcadorVersao().size(),
                          definicoes.versao);
    // A line break in a name would split the header into two records.
    cabecalho.replace(u'\r', u' ').replace(u'\n', u' ');

    const QByteArray prefixo = Win1252::codificar(m_prefixo);
    QSaveFile saida(m_nomeArquivo);
    if (!saida.open(QIODevice::WriteOnly))
        throw ErroBanco(QStringLiteral("Não foi possível criar o arquivo %1.").arg(m_nomeArquivo), saida.errorString());
    QByteArray buffer;
    buffer.reserve(kTamanhoBuffer + 4096);
    const auto descarregar = [&](qsizetype minimo) {
        if (buffer.size() < minimo)
            return;
        if (saida.write(buffer) != buffer.size())
            throw ErroBanco(QStringLiteral("Erro ao gravar o arquivo %1.").arg(m_nomeArquivo), saida.errorString());
        buffer.resize(0);
    };

    buffer += prefixo + '1' + Win1252::codificar(cabecalho) + "\r\n";
    qint64 total = 1;

    // One snapshot for all entities: another station saving meanwhile cannot leave the
    // file with half of its change.
    Transacao leitura(m_connection);
    const qint64 quantas = definicoes.entidades.size();
    for (qint64 numero = 1; numero <= quantas; ++numero) {
        const Entidade &entidade = definicoes.entidades.at(numero - 1);
        CursorSqlite cursor(m_connection, entidade.select);
        cursor.preencherParametros(parametros);

        qint64 linhasPrevistas = 0;
        if (m_aoProcessarDados) {
            CursorSqlite contagem(m_connection,
                                  QStringLiteral("SELECT COUNT(*) FROM (\n%1\n)").arg(semPontoEVirgulaFinal(entidade.select)));
            contagem.preencherParametros(parametros);
            if (contagem.proxima()) {
                QByteArray n;
                contagem.anexarValor(n, 0);
                linhasPrevistas = n.toLongLong();
            }
        }

        qint64 linhas = 0;
        QByteArray registro;
        const int colunas = cursor.quantidadeColunas();
        while (cursor.proxima()) {
            if (linhas == 0) {
                QByteArray nomes;
                const QList<QByteArray> lista = cursor.nomesColunas();
                for (qsizetype i = 0; i < lista.size(); ++i) {
                    if (i > 0)
                        nomes += '|';
                    Win1252::anexarUtf8(nomes, lista.at(i));
                }
                buffer += prefixo + "2@" + Win1252::codificar(entidade.tabela) + " ("
                          + Win1252::codificar(entidade.acao) + ") " + nomes + "\r\n";
            }
            ++linhas;
            registro.resize(0);
            registro += prefixo;
            registro += '3';
            for (int c = 0; c < colunas; ++c) {
                if (c > 0)
                    registro += '|';
                cursor.anexarValor(registro, c);
            }
            if (registro.size() <= FormatacaoExportacao::LimiteRegistro) {
                buffer += registro;
                buffer += "\r\n";
            } else {
                for (const QByteArray &linha : FormatacaoExportacao::linhasDoRegistro(registro, prefixo)) {
                    buffer += linha;
                    buffer += "\r\n";
                }
            }
            descarregar(kTamanhoBuffer);
            if (linhas % kPassoProgresso == 0) {
                if (m_aoProcessarDados)
                    m_aoProcessarDados({int(std::min<qint64>(100, linhas * 100 / std::max<qint64>(1, linhasPrevistas))),
                                        progresso("Processando registro %1 de %2", linhas, linhasPrevistas)});
                if (m_processarEventos)
                    m_processarEventos();
            }
        }
        if (m_aoProcessarDados)
            m_aoProcessarDados({100, progresso("Processando registro %1 de %2", linhas, linhas)});
        if (linhas > 0)
            buffer += prefixo + "2#" + Win1252::codificar(entidade.tabela) + '|' + QByteArray::number(linhas) + "\r\n";
        total += linhas;

        if (m_aoProcessarTabelas)
            m_aoProcessarTabelas({int(numero * 100 / quantas), progresso("Processando tabela %1 de %2", numero, quantas)});
        if (m_processarEventos)
            m_processarEventos();
    }
    leitura.confirmar();

    ++total;
    buffer += prefixo + "9|TOTAL|" + QByteArray::number(total) + "\r\n";
    descarregar(1);
    if (!saida.commit())
        throw ErroBanco(QStringLiteral("Erro ao gravar o arquivo %1.").arg(m_nomeArquivo), saida.errorString());
    m_totalRegistros = total;
    return true;
}

} // namespace kelpa
