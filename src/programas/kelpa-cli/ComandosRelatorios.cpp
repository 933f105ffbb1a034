#include "Comandos.h"

#include "app/Configuracao.h"
#include "app/banco/ConexaoBanco.h"
#include "app/banco/Consulta.h"
#include "plataforma/CaminhosPrograma.h"
#include "plataforma/FormatoBR.h"
#include "relatorios/RegistroRelatorios.h"
#include "relatorios/Renderizador.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace kelpa::cli {

namespace {

// Messages made for a message box break lines with a lone CR; a terminal would
// write each line over the previous one.
QString paraTerminal(QString texto)
{
    return texto.replace(QStringLiteral("\n\r"), QStringLiteral("\n")).replace(u'\r', u'\n').trimmed();
}

bool operadoraCadastrada(const QSqlDatabase &db, const QString &codigo)
{
    Consulta q(db, QStringLiteral("SELECT 1 FROM OPERADORAS WHERE CD_OPER = :CDOPER "
                                  "UNION SELECT 1 FROM PESSOAS WHERE CD_OPER = :CDOPER AND ID_PSOA = 0"));
    q.bind(QStringLiteral(":CDOPER"), codigo);
    return q.primeira();
}

QString quadrosDisponiveis()
{
    QStringList chaves;
    for (const relatorios::FormaImpressao &f : relatorios::RegistroRelatorios::formas())
        chaves << f.chave.toLower();
    return chaves.join(QStringLiteral(", "));
}

} // namespace

int comandoPrint(ContextoCli &ctx, const QStringList &args)
{
    const Opcoes opcoes(args,
                        {QStringLiteral("--dir"), QStringLiteral("--operator"), QStringLiteral("--quadro"),
                         QStringLiteral("--period"), QStringLiteral("--pdf")},
                        {});
    if (!opcoes.ok() || !opcoes.posicionais().isEmpty()) {
        ctx.err << "kelpa-cli print: " << (opcoes.ok() ? QStringLiteral("argumento inesperado") : opcoes.erro())
                << Qt::endl;
        return UsoInvalido;
    }
    if (!opcoes.tem(QStringLiteral("--operator")) || !opcoes.tem(QStringLiteral("--quadro"))
        || !opcoes.tem(QStringLiteral("--pdf"))) {
        ctx.err << "kelpa-cli print: informe --operator CODIGO, --quadro N e --pdf ARQUIVO.pdf" << Qt::endl;
        return UsoInvalido;
    }

    QString codigo = opcoes.valor(QStringLiteral("--operator")).trimmed();
    codigo.remove(u'-').remove(u'.');
    static const QRegularExpression seisDigitos(QStringLiteral("^[0-9]{6}$"));
    if (!seisDigitos.match(codigo).hasMatch()) {
        ctx.err << "kelpa-cli print: o código da operadora deve ter 6 algarismos: "
                << opcoes.valor(QStringLiteral("--operator")) << Qt::endl;
        return UsoInvalido;
    }

    const QString quadro = opcoes.valor(QStringLiteral("--quadro"));
    const relatorios::FormaImpressao *forma = relatorios::RegistroRelatorios::localizar(quadro);
    if (!forma) {
        ctx.err << "kelpa-cli print: o quadro " << quadro << " ainda não tem relatório. Quadros com relatório: "
                << quadrosDisponiveis() << Qt::endl;
        return UsoInvalido;
    }

    QDate data;
    if (opcoes.tem(QStringLiteral("--period"))) {
        const auto lida = FormatoBR::lerData(opcoes.valor(QStringLiteral("--period")));
        if (!lida) {
            ctx.err << "kelpa-cli print: data inválida em --period (use dd/mm/aaaa): "
                    << opcoes.valor(QStringLiteral("--period")) << Qt::endl;
            return UsoInvalido;
        }
        data = *lida;
    }

    const QString diretorio = opcoes.tem(QStringLiteral("--dir"))
                                  ? Configuracao::NormalizaDiretorio(opcoes.valor(QStringLiteral("--dir")))
                                  : ctx.diretorio;
    if (!CaminhosPrograma::existe(diretorio, CaminhosPrograma::nomeBanco())) {
        ctx.err << "kelpa-cli print: não há base de dados em " << diretorio << Qt::endl;
        return UsoInvalido;
    }
    const QString saida = opcoes.valor(QStringLiteral("--pdf"));
    if (saida.isEmpty() || !QFileInfo(QFileInfo(saida).absolutePath()).isDir()) {
        ctx.err << "kelpa-cli print: o diretório de " << saida << " não existe" << Qt::endl;
        return UsoInvalido;
    }

    // Printing reads only: the database is opened as it is, without the upgrade
    // and the clean-up that a connection of the program runs (they would empty the
    // validation findings this command may be asked to print).
    auto conexao = ConexaoBanco::abrir(CaminhosPrograma::localizar(diretorio, CaminhosPrograma::nomeBanco()));
    if (!operadoraCadastrada(conexao->db(), codigo)) {
        ctx.err << "kelpa-cli print: a operadora " << codigo << " não está cadastrada em " << diretorio << Qt::endl;
        return UsoInvalido;
    }

    relatorios::ImpressaoComposta impressao;
    forma->montar(impressao);
    impressao.carregar(conexao->db(), codigo, data);
    const QString aviso = relatorios::RegistroRelatorios::mensagemSemDados(*forma, impressao);
    if (!aviso.isEmpty())
        ctx.err << paraTerminal(aviso) << Qt::endl;
    if (!impressao.temDados()) {
        ctx.err << "kelpa-cli print: nada a imprimir; nenhum arquivo foi gravado." << Qt::endl;
        return Constatacao;
    }

    const relatorios::DocumentoRelatorio documento = impressao.documento(forma->descricao);
    QString erro;
    if (!relatorios::Renderizador::gravarPdf(documento, saida, &erro)) {
        ctx.err << "kelpa-cli print: " << erro << Qt::endl;
        return FalhaInterna;
    }
    ctx.out << "Relatório gravado: " << saida << " (" << documento.totalPaginas()
            << (documento.totalPaginas() == 1 ? " página)" : " páginas)") << Qt::endl;
    return Sucesso;
}

} // namespace kelpa::cli
