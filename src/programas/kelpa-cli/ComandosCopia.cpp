#include "Comandos.h"

#include "app/Configuracao.h"
#include "app/CopiaSeguranca.h"
#include "app/banco/ConexaoBanco.h"
#include "app/banco/ErroBanco.h"
#include "plataforma/CaminhosPrograma.h"

#include <QDateTime>
#include <QFileInfo>

namespace kelpa::cli {

namespace {

// The database directory of --dir or of the context; empty (and the reason said)
// when it holds no database.
QString baseDoComando(ContextoCli &ctx, const Opcoes &opcoes, const char *comando)
{
    const QString diretorio = opcoes.tem(QStringLiteral("--dir"))
                                  ? Configuracao::NormalizaDiretorio(opcoes.valor(QStringLiteral("--dir")))
                                  : ctx.diretorio;
    if (diretorio.isEmpty() || !CaminhosPrograma::existe(diretorio, CaminhosPrograma::nomeBanco())) {
        ctx.err << "kelpa-cli " << comando << ": não há base de dados em " << diretorio << Qt::endl;
        return {};
    }
    return CaminhosPrograma::localizar(diretorio, CaminhosPrograma::nomeBanco());
}

// The command's options, with `obrigatoria` required; false (and the reason said) when they are not right.
bool opcoesValidas(ContextoCli &ctx, const Opcoes &opcoes, const char *comando, const QString &obrigatoria, const char *uso)
{
    QString erro;
    if (!opcoes.ok())
        erro = opcoes.erro();
    else if (!opcoes.posicionais().isEmpty())
        erro = QStringLiteral("argumento inesperado");
    else if (!opcoes.tem(obrigatoria))
        erro = QStringLiteral("falta %1 %2").arg(obrigatoria, QLatin1String(uso));
    if (!erro.isEmpty())
        ctx.err << "kelpa-cli " << comando << ": " << erro << Qt::endl;
    return erro.isEmpty();
}

} // namespace

int comandoBackup(ContextoCli &ctx, const QStringList &args)
{
    const Opcoes opcoes(args, {QStringLiteral("--dir"), QStringLiteral("--target")}, {});
    if (!opcoesValidas(ctx, opcoes, "backup", QStringLiteral("--target"), "DIR"))
        return UsoInvalido;
    const QString arquivo = baseDoComando(ctx, opcoes, "backup");
    if (arquivo.isEmpty())
        return UsoInvalido;
    const QString destino = opcoes.valor(QStringLiteral("--target"));
    if (!QFileInfo(destino).isDir()) {
        ctx.err << "kelpa-cli backup: o diretório de destino não existe: " << destino << Qt::endl;
        return UsoInvalido;
    }
    auto conexao = ConexaoBanco::abrir(arquivo);
    const QString gerado = CopiaSeguranca::gerar(conexao->db(), destino, QDateTime::currentDateTime());
    ctx.out << "Backup concluído!" << Qt::endl << "Arquivo gerado: " << gerado << Qt::endl;
    return Sucesso;
}

int comandoRestore(ContextoCli &ctx, const QStringList &args)
{
    const Opcoes opcoes(args, {QStringLiteral("--dir"), QStringLiteral("--file")}, {});
    if (!opcoesValidas(ctx, opcoes, "restore", QStringLiteral("--file"), "ARQUIVO.BKP"))
        return UsoInvalido;
    const QString arquivo = baseDoComando(ctx, opcoes, "restore");
    if (arquivo.isEmpty())
        return UsoInvalido;
    try {
        CopiaSeguranca::restaurar(opcoes.valor(QStringLiteral("--file")), arquivo);
    } catch (const ErroBanco &e) {
        if (e.mensagem() != CopiaSeguranca::mensagemBackupInvalido())
            throw;
        ctx.err << "kelpa-cli restore: " << e.mensagem() << Qt::endl;
        return UsoInvalido;
    }
    ctx.out << "Restauração concluída!" << Qt::endl << "Base: " << arquivo << Qt::endl;
    return Sucesso;
}

} // namespace kelpa::cli
