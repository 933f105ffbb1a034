#include "Comandos.h"

#include "app/Configuracao.h"
#include "app/banco/ConexaoBanco.h"
#include "app/banco/Consulta.h"
#include "esquema/AtualizacaoBase.h"
#include "esquema/Migracao.h"
#include "plataforma/CaminhosPrograma.h"
#include "plataforma/FormatoBR.h"

namespace kelpa::cli {

int comandoUpgrade(ContextoCli &ctx, const QStringList &args)
{
    const Opcoes opcoes(args, {QStringLiteral("--dir")}, {});
    if (!opcoes.ok() || !opcoes.posicionais().isEmpty()) {
        ctx.err << "kelpa-cli upgrade: " << (opcoes.ok() ? QStringLiteral("argumento inesperado") : opcoes.erro())
                << Qt::endl;
        return UsoInvalido;
    }
    const QString diretorio = opcoes.tem(QStringLiteral("--dir"))
                                  ? Configuracao::NormalizaDiretorio(opcoes.valor(QStringLiteral("--dir")))
                                  : ctx.diretorio;
    if (diretorio.isEmpty() || !CaminhosPrograma::existe(diretorio, CaminhosPrograma::nomeBanco())) {
        ctx.err << "kelpa-cli upgrade: não há base de dados em " << diretorio << Qt::endl;
        return UsoInvalido;
    }
    const QString arquivo = CaminhosPrograma::localizar(diretorio, CaminhosPrograma::nomeBanco());
    auto conexao = ConexaoBanco::abrir(arquivo);
    const QSqlDatabase db = conexao->db();

    // The same work the program does after connecting: schema upgrade, then migration.
    const QString antes = Migracao(db).LeVersao();
    const AtualizacaoBase::Resultado resultado = AtualizacaoBase::executar(db);

    Consulta depois(db, QStringLiteral("SELECT VersaoKelpa, DtVersaoKelpa FROM CONSTS"));
    ctx.out << "Base: " << arquivo << Qt::endl;
    ctx.out << "Versão antes: " << (antes.isEmpty() ? QStringLiteral("(sem versão)") : antes) << Qt::endl;
    if (depois.primeira())
        ctx.out << "Versão depois: " << depois.texto(QStringLiteral("VersaoKelpa")) << " de "
                << FormatoBR::data(depois.data(QStringLiteral("DtVersaoKelpa"))) << Qt::endl;
    ctx.out << "Base de versão anterior a 3.1.0: " << (resultado.baseAtualizada ? "sim" : "não") << Qt::endl;
    return Sucesso;
}

} // namespace kelpa::cli
