#include "Comandos.h"

#include "app/Configuracao.h"
#include "app/Utilitarios.h"
#include "app/banco/ConexaoBanco.h"
#include "app/banco/Consulta.h"
#include "app/banco/ErroBanco.h"
#include "plataforma/CaminhosPrograma.h"
#include "validacao/AvisoPlanoContas.h"
#include "validacao/ValidacaoDados.h"

#include <QRegularExpression>

namespace kelpa::cli {

namespace {

// One line a finding, tab-separated, so that scripts can cut its fields: kind,
// period, quadro, message and the two amounts compared ("-" where there is none).
QString linha(const validacao::Constatacao &c)
{
    QString mensagem = c.mensagem;
    mensagem.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\r', u' ').replace(u'\n', u' ');
    const QString periodo = c.periodo.isValid() ? c.textoPeriodo() : QStringLiteral("-");
    const QString quadro = c.quadro.isEmpty() ? QStringLiteral("-") : QStringLiteral("Quadro ") + c.quadro;
    const QString valores = c.valorQuadro && c.valorComparado
                                ? c.valorQuadro->texto() + QStringLiteral(" / ") + c.valorComparado->texto()
                                : QStringLiteral("-");
    return QStringList{c.erro() ? QStringLiteral("ERRO") : QStringLiteral("AVISO"), periodo, quadro,
                       mensagem.simplified(), valores}
        .join(u'\t');
}

QString paraTerminal(QString texto)
{
    return texto.replace(QStringLiteral("\n\r"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

bool operadoraCadastrada(const QSqlDatabase &db, const QString &codigo)
{
    Consulta q(db, QStringLiteral("SELECT 1 FROM OPERADORAS WHERE CD_OPER = :CDOPER "
                                  "UNION SELECT 1 FROM PESSOAS WHERE CD_OPER = :CDOPER AND ID_PSOA = 0"));
    q.bind(QStringLiteral(":CDOPER"), codigo);
    return q.primeira();
}

} // namespace

int comandoValidate(ContextoCli &ctx, const QStringList &args)
{
    const Opcoes opcoes(args, {QStringLiteral("--dir"), QStringLiteral("--operator")}, {});
    if (!opcoes.ok() || !opcoes.posicionais().isEmpty()) {
        ctx.err << "kelpa-cli validate: " << (opcoes.ok() ? QStringLiteral("argumento inesperado") : opcoes.erro())
                << Qt::endl;
        return UsoInvalido;
    }
    if (!opcoes.tem(QStringLiteral("--operator"))) {
        ctx.err << "kelpa-cli validate: informe --operator CODIGO" << Qt::endl;
        return UsoInvalido;
    }
    QString codigo = opcoes.valor(QStringLiteral("--operator")).trimmed();
    codigo.remove(u'-').remove(u'.');
    static const QRegularExpression seisDigitos(QStringLiteral("^[0-9]{6}$"));
    if (!seisDigitos.match(codigo).hasMatch()) {
        ctx.err << "kelpa-cli validate: o código da operadora deve ter 6 algarismos: "
                << opcoes.valor(QStringLiteral("--operator")) << Qt::endl;
        return UsoInvalido;
    }
    const QString diretorio = opcoes.tem(QStringLiteral("--dir"))
                                  ? Configuracao::NormalizaDiretorio(opcoes.valor(QStringLiteral("--dir")))
                                  : ctx.diretorio;
    if (!CaminhosPrograma::existe(diretorio, CaminhosPrograma::nomeBanco())) {
        ctx.err << "kelpa-cli validate: não há base de dados em " << diretorio << Qt::endl;
        return UsoInvalido;
    }

    auto conexao = ConexaoBanco::abrir(CaminhosPrograma::localizar(diretorio, CaminhosPrograma::nomeBanco()));
    const QSqlDatabase db = conexao->db();
    if (!operadoraCadastrada(db, codigo)) {
        ctx.err << "kelpa-cli validate: a operadora " << codigo << " não está cadastrada em " << diretorio << Qt::endl;
        return UsoInvalido;
    }

    // As the main window: while the 2007 chart-of-accounts check fails, a plan operator
    // gets the notice (and its blocking finding) instead of a validation, and nobody sends.
    const bool planos = EhOperadoraDePlanos(codigo);
    bool bloqueioPlanoContas = false;
    try {
        bloqueioPlanoContas = validacao::AvisoPlanoContas::Bloqueia(db, codigo);
        if (bloqueioPlanoContas && planos) {
            validacao::AvisoPlanoContas::registrarBloqueio(db, codigo);
            validacao::Constatacao bloqueio;
            bloqueio.mensagem = QStringLiteral("Plano de Contas 2006 Erro");
            ctx.out << linha(bloqueio) << Qt::endl;
            ctx.err << paraTerminal(validacao::AvisoPlanoContas::texto()) << Qt::endl;
            ctx.err << "Envio bloqueado." << Qt::endl;
            return Constatacao;
        }
    } catch (const ErroBanco &e) {
        ctx.err << "kelpa-cli validate: " << e.textoCompleto() << Qt::endl;
        return FalhaInterna;
    }

    validacao::ValidacaoDados validacao(db, codigo, planos);
    const validacao::ResultadoValidacao resultado = validacao.executar();
    for (const validacao::Constatacao &c : resultado.constatacoes)
        ctx.out << linha(c) << Qt::endl;

    if (!resultado.concluida) {
        ctx.err << "kelpa-cli validate: " << resultado.erro << Qt::endl << "Envio bloqueado." << Qt::endl;
        return FalhaInterna;
    }
    const qsizetype erros = resultado.erros().size();
    const qsizetype avisos = resultado.avisos().size();
    ctx.err << "Validação da operadora " << codigo << ": " << erros << (erros == 1 ? " erro, " : " erros, ") << avisos
            << (avisos == 1 ? " aviso." : " avisos.") << Qt::endl;
    if (bloqueioPlanoContas) {
        ctx.err << paraTerminal(validacao::AvisoPlanoContas::texto()) << Qt::endl << "Envio bloqueado." << Qt::endl;
        return Constatacao;
    }
    ctx.err << (resultado.envioLiberado ? "Envio liberado." : "Envio bloqueado.") << Qt::endl;
    return resultado.envioLiberado ? Sucesso : Constatacao;
}

} // namespace kelpa::cli
