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

} // namespace

int comandoBackup(ContextoCli &ctx, const QStringList &args)
{
    const Opcoes opcoes(args, {QStringLiteral("--dir"), QStringLiteral("--target")}, {});
    if (!opcoes.ok() || !opcoes.posicionais().isEmpty() || !opcoes.tem(QStringLiteral("--target"))) {
        ctx.err << "kelpa-cli backup: "
                << (!opcoes.ok() ? opcoes.erro()
                                 : (opcoes.tem(QStringLiteral("--target")) ? QStringLiteral("argumento inesperado")
                                                                           : QStringLiteral("falta --target DIR")))
                << Qt::endl;
        return UsoInvalido;
    }
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
    if (!opcoes.ok() || !opcoes.posicionais().isEmpty() || !opcoes.tem(QStringLiteral("--file"))) {
        ctx.err << "kelpa-cli restore: "
                << (!opcoes.ok() ? opcoes.erro()
                                 : (opcoes.tem(QStringLiteral("--file")) ? QStringLiteral("argumento inesperado")
                                                                         : QStringLiteral("falta --file ARQUIVO.BKP")))
                << Qt::endl;
        return UsoInvalido;
    }
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
