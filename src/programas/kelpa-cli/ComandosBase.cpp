#include "Comandos.h"

#include "app/BaseDemonstracao.h"
#include "app/Configuracao.h"
#include "app/DtConexao.h"
#include "app/EstadoTrabalho.h"
#include "app/Utilitarios.h"
#include "app/banco/ConexaoBanco.h"
#include "app/banco/Consulta.h"
#include "app/banco/CriacaoBanco.h"
#include "app/banco/ErroBanco.h"
#include "plataforma/CaminhosPrograma.h"
#include "plataforma/FormatoBR.h"
#include "quadros/cadastro/CadastroDemonstracao.h"
#include "quadros/demonstracoes/DadosFinanceirosDemonstracao.h"

#include <QDir>
#include <QFileInfo>

namespace kelpa::cli {

int comandoInit(ContextoCli &ctx, const QStringList &args)
{
    const Opcoes opcoes(args, {}, {QStringLiteral("--demo")});
    if (!opcoes.ok() || !opcoes.posicionais().isEmpty()) {
        ctx.err << "kelpa-cli init: " << (opcoes.ok() ? QStringLiteral("argumento inesperado") : opcoes.erro()) << Qt::endl;
        return UsoInvalido;
    }
    if (CaminhosPrograma::existe(ctx.diretorio, CaminhosPrograma::nomeBanco())) {
        ctx.err << "kelpa-cli init: já existe uma base de dados em " << ctx.arquivoBanco()
                << "; nada foi alterado." << Qt::endl;
        return UsoInvalido;
    }
    if (!QDir().mkpath(ctx.diretorio)) {
        ctx.err << "kelpa-cli init: não foi possível criar o diretório " << ctx.diretorio << Qt::endl;
        return UsoInvalido;
    }
    const QString arquivo = ctx.diretorio + CaminhosPrograma::nomeBanco();
    CriacaoBanco::criar(arquivo);

    if (opcoes.tem(QStringLiteral("--demo"))) {
        {
            auto conexao = ConexaoBanco::abrir(arquivo);
            BaseDemonstracao::criar(conexao->db());
            // The quarters need the registration: Quadros 1 and 2 come first.
            CadastroDemonstracao::criar(conexao->db(), BaseDemonstracao::codigoOperadora());
            DadosFinanceirosDemonstracao::criar(conexao->db(), BaseDemonstracao::codigoOperadora());
        }
        Configuracao::garantirArquivo(ctx.arquivoIni(), ctx.diretorio);
        if (!Configuracao::gravar(ctx.arquivoIni(), QStringLiteral("Operadora"), BaseDemonstracao::codigoOperadora())) {
            ctx.err << "kelpa-cli init: não foi possível gravar " << ctx.arquivoIni() << Qt::endl;
            return FalhaInterna;
        }
        ctx.out << "Operadora de demonstração " << BaseDemonstracao::codigoOperadora() << " selecionada em "
                << ctx.arquivoIni() << Qt::endl;
    }
    ctx.out << "Base de dados criada: " << arquivo << Qt::endl;
    return Sucesso;
}

int comandoInfo(ContextoCli &ctx, const QStringList &args)
{
    const Opcoes opcoes(args, {}, {});
    if (!opcoes.ok() || !opcoes.posicionais().isEmpty()) {
        ctx.err << "kelpa-cli info: " << (opcoes.ok() ? QStringLiteral("argumento inesperado") : opcoes.erro()) << Qt::endl;
        return UsoInvalido;
    }
    if (!CaminhosPrograma::existe(ctx.diretorio, CaminhosPrograma::nomeBanco())) {
        ctx.err << "kelpa-cli info: não há base de dados em " << ctx.diretorio << Qt::endl;
        return UsoInvalido;
    }
    auto conexao = ConexaoBanco::abrir(ctx.arquivoBanco());
    const QSqlDatabase db = conexao->db();
    Consulta versao(db, QStringLiteral("SELECT VersaoKelpa, DtVersaoKelpa FROM CONSTS"));
    ctx.out << "Base: " << ctx.arquivoBanco() << Qt::endl;
    if (versao.primeira())
        ctx.out << "Versão: " << versao.texto(QStringLiteral("VersaoKelpa")) << " de "
                << FormatoBR::data(versao.data(QStringLiteral("DtVersaoKelpa"))) << Qt::endl;

    Consulta operadoras(db, QStringLiteral("SELECT O.CD_OPER, P.NM_PSOA, P.CD_CPF_CNPJ FROM OPERADORAS O "
                                           "LEFT JOIN PESSOAS P ON P.CD_OPER = O.CD_OPER AND P.ID_PSOA = 0 "
                                           "ORDER BY O.CD_OPER"));
    operadoras.executar();
    int quantas = 0;
    ctx.out << "Operadoras cadastradas:" << Qt::endl;
    while (operadoras.proxima()) {
        ++quantas;
        const QString codigo = operadoras.texto(QStringLiteral("CD_OPER"));
        ctx.out << "  " << codigo << "  " << FormataDocumento(operadoras.texto(QStringLiteral("CD_CPF_CNPJ"))) << "  "
                << operadoras.texto(QStringLiteral("NM_PSOA"))
                << (EhOperadoraDePlanos(codigo) ? "" : "  (seguradora)") << Qt::endl;
    }
    if (quantas == 0)
        ctx.out << "  (nenhuma)" << Qt::endl;
    return Sucesso;
}

} // namespace kelpa::cli
