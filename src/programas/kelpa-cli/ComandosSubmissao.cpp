#include "Comandos.h"

#include "app/banco/ConexaoBanco.h"
#include "app/banco/ErroBanco.h"
#include "app/Configuracao.h"
#include "exportacao/ArquivoSubmissao.h"
#include "exportacao/CabecalhoArquivo.h"
#include "exportacao/GeracaoSubmissao.h"
#include "plataforma/CaminhosPrograma.h"
#include "transmissao/TransmissaoInternet.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>
#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace kelpa::cli {

namespace {

QString paraTerminal(QString texto)
{
    return texto.replace(QStringLiteral("\n\r"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

// What both sending commands check before they touch anything: the options, a
// six-digit operator registered in an existing database.
struct Envio {
    QString codigo;
    std::unique_ptr<ConexaoBanco> conexao;
};

std::optional<Envio> prepararEnvio(ContextoCli &ctx, const char *comando, const Opcoes &opcoes, int &saida)
{
    const QString nome = QStringLiteral("kelpa-cli %1: ").arg(QLatin1String(comando));
    saida = UsoInvalido;
    if (!opcoes.ok() || !opcoes.posicionais().isEmpty()) {
        ctx.err << nome << (opcoes.ok() ? QStringLiteral("argumento inesperado") : opcoes.erro()) << Qt::endl;
        return std::nullopt;
    }
    if (!opcoes.tem(QStringLiteral("--operator"))) {
        ctx.err << nome << "informe --operator CODIGO" << Qt::endl;
        return std::nullopt;
    }
    const QString codigo = CabecalhoArquivo::codigoSemMascara(opcoes.valor(QStringLiteral("--operator")).trimmed());
    static const QRegularExpression seisDigitos(QStringLiteral("^[0-9]{6}$"));
    if (!seisDigitos.match(codigo).hasMatch()) {
        ctx.err << nome << "o código da operadora deve ter 6 algarismos: " << opcoes.valor(QStringLiteral("--operator"))
                << Qt::endl;
        return std::nullopt;
    }
    const QString diretorio = opcoes.tem(QStringLiteral("--dir"))
                                  ? Configuracao::NormalizaDiretorio(opcoes.valor(QStringLiteral("--dir")))
                                  : ctx.diretorio;
    if (!CaminhosPrograma::existe(diretorio, CaminhosPrograma::nomeBanco())) {
        ctx.err << nome << "não há base de dados em " << diretorio << Qt::endl;
        return std::nullopt;
    }
    Envio envio{codigo, ConexaoBanco::abrir(CaminhosPrograma::localizar(diretorio, CaminhosPrograma::nomeBanco()))};
    if (!CabecalhoArquivo::texto(envio.conexao->db(), codigo)) {
        ctx.err << nome << "a operadora " << codigo << " não está cadastrada em " << diretorio << Qt::endl;
        return std::nullopt;
    }
    saida = Sucesso;
    return envio;
}

void avisarBloqueio(ContextoCli &ctx, const char *comando)
{
    ctx.err << "kelpa-cli " << comando
            << ": Existem erros graves de validação. Nada foi gravado; corrija os erros e valide os dados novamente."
            << Qt::endl;
}

// The first line of standard input, without its line end. On a terminal the
// password is asked for and not echoed.
std::optional<QString> lerSenha(ContextoCli &ctx)
{
    const bool terminal = ::isatty(STDIN_FILENO);
    termios anterior{};
    if (terminal) {
        ctx.err << "Senha: " << Qt::flush;
        if (::tcgetattr(STDIN_FILENO, &anterior) == 0) {
            termios semEco = anterior;
            semEco.c_lflag &= ~tcflag_t(ECHO);
            ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &semEco);
        }
    }
    std::string linha;
    const bool lida = bool(std::getline(std::cin, linha));
    if (terminal) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &anterior);
        ctx.err << Qt::endl;
    }
    if (!lida && linha.empty())
        return std::nullopt;
    if (!linha.empty() && linha.back() == '\r')
        linha.pop_back();
    QString senha = QString::fromLocal8Bit(linha.data(), qsizetype(linha.size()));
    std::fill(linha.begin(), linha.end(), '\0');
    return senha;
}

} // namespace

int comandoSubmission(ContextoCli &ctx, const QStringList &args)
{
    const Opcoes opcoes(args, {QStringLiteral("--dir"), QStringLiteral("--operator"), QStringLiteral("--target")}, {});
    int saida = Sucesso;
    if (opcoes.ok() && !opcoes.tem(QStringLiteral("--target"))) {
        ctx.err << "kelpa-cli submission: informe --target DIRETORIO" << Qt::endl;
        return UsoInvalido;
    }
    const QString destino = opcoes.valor(QStringLiteral("--target"));
    if (opcoes.ok() && !QFileInfo(destino).isDir()) {
        ctx.err << "kelpa-cli submission: o diretório de destino não existe: " << destino << Qt::endl;
        return UsoInvalido;
    }
    auto envio = prepararEnvio(ctx, "submission", opcoes, saida);
    if (!envio)
        return saida;

    GeracaoSubmissao geracao(envio->conexao->db(), envio->codigo);
    geracao.setExptdefsPath(ctx.home);
    try {
        if (geracao.Gerar(destino) == GeracaoSubmissao::Resultado::Bloqueada) {
            avisarBloqueio(ctx, "submission");
            return Constatacao;
        }
    } catch (const ErroBanco &e) {
        ctx.err << "kelpa-cli submission: "
                << paraTerminal(ArquivoSubmissao::mensagemFalha(e.mensagem())
                                + (e.detalhe().isEmpty() ? QString() : u'\n' + e.detalhe()))
                << Qt::endl;
        return FalhaInterna;
    }
    ctx.out << "Geração do arquivo concluída com sucesso!" << Qt::endl
            << "Arquivo gerado: " << geracao.arquivoDiz() << Qt::endl
            << "Arquivo gerado: " << geracao.arquivoOperadora() << Qt::endl;
    return Sucesso;
}

int comandoTransmit(ContextoCli &ctx, const QStringList &args)
{
    const Opcoes opcoes(args, {QStringLiteral("--dir"), QStringLiteral("--operator")}, {});
    int saida = Sucesso;
    auto envio = prepararEnvio(ctx, "transmit", opcoes, saida);
    if (!envio)
        return saida;
    const auto senha = lerSenha(ctx);
    if (!senha || senha->isEmpty()) {
        ctx.err << "kelpa-cli transmit: " << TransmissaoInternet::mensagemSenhaObrigatoria()
                << " (informe a senha de envio na entrada padrão)" << Qt::endl;
        return UsoInvalido;
    }

    TransmissaoInternet transmissao(envio->conexao->db(), envio->codigo);
    transmissao.setDiretorioPrograma(ctx.home);
    try {
        if (transmissao.Transmitir(*senha) == TransmissaoInternet::Resultado::Bloqueada) {
            avisarBloqueio(ctx, "transmit");
            return Constatacao;
        }
    } catch (const ErroBanco &e) {
        ctx.err << "kelpa-cli transmit: " << paraTerminal(e.textoCompleto()) << Qt::endl;
        return FalhaInterna;
    }
    const int resultado = transmissao.resultadoVTX();
    if (resultado != TVTX::Enviado) {
        ctx.err << "kelpa-cli transmit: o VTX terminou sem confirmar o envio (código de saída "
                << transmissao.vtx().codigoSaidaVTX() << ", resultado " << resultado << ")" << Qt::endl;
        return Constatacao;
    }
    ctx.out << "Arquivo entregue ao VTX." << Qt::endl;
    const QStringList nomes = ProtocoloVTX::nomesElementos();
    const QStringList valores = transmissao.protocolo().valores();
    for (int i = 0; i < nomes.size(); ++i)
        ctx.out << nomes.at(i) << ": " << valores.at(i) << Qt::endl;
    return Sucesso;
}

} // namespace kelpa::cli
